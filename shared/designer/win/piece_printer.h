#pragma once
// The program's printed piece: its hidden layout window, made the first time a print needs
// it and kept for the run, so that lines a print does not fill keep their last text.
#include <memory>

#include "designer/designer_tables.h"
#include "designer/win/designer.h"
#include "layout/win/layout_window.h"

namespace papyrka {

class PiecePrinter {
public:
    explicit PiecePrinter(Layout (*makeLayout)()) : makeLayout_(makeLayout) {}

    // The plan's boxes take the editor's texts as they stand on screen, then the layout
    // prints as one page. A failed print is told over the editor and changes no box.
    bool FillAndPrint(const PrintPlan& plan, EditorContext& editor);

    // The layout window, made now if it was not; nullptr for a program without a piece.
    win::LayoutWindow* Window();

private:
    Layout (*makeLayout_)();
    std::unique_ptr<win::LayoutWindow> window_;
};

}  // namespace papyrka
