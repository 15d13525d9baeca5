#include "designer/win/piece_printer.h"

namespace papyrka {

win::LayoutWindow* PiecePrinter::Window() {
    if (!window_ && makeLayout_) {
        window_ = std::make_unique<win::LayoutWindow>(makeLayout_());
        // Printing works from the layout's data; a window that cannot be made changes nothing.
        window_->CreateHidden();
    }
    return window_.get();
}

bool PiecePrinter::FillAndPrint(const PrintPlan& plan, EditorContext& editor) {
    win::LayoutWindow* window = Window();
    if (!window) return false;
    return window->FillAndPrint(
        plan, [&editor](std::string_view control) { return editor.BoxText(control); }, editor.Window(),
        editor.ProgramTitle());
}

}  // namespace papyrka
