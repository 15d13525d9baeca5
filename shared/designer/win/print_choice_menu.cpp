#include "designer/win/print_choice_menu.h"

#include <iterator>
#include <string>

#include "win32/popup_menu.h"
#include "win32/wide.h"

namespace papyrka {

namespace {

constexpr UINT kFirstChoiceId = 1;

}  // namespace

bool PrintChoiceMenu::PopUp(EditorContext& editor, PiecePrinter& printer) {
    if (!hwnd() && !Form_Load()) return false;
    editor_ = &editor;
    printer_ = &printer;
    return win::PopUpMenuAtCursor(popup_, hwnd(), editor.Window());
}

bool PrintChoiceMenu::Form_Load() {
    win::Menu bar(CreateMenu());
    HMENU popup = CreatePopupMenu();
    if (!bar || !popup) {
        if (popup) DestroyMenu(popup);
        return false;
    }
    const std::wstring caption(win::Wide(kPrintChoiceMenuCaption), kPrintChoiceMenuCaption.size());
    if (!AppendMenuW(bar.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), caption.c_str())) {
        DestroyMenu(popup);
        return false;
    }
    for (UINT i = 0; i < std::size(kPrintChoices); ++i) {
        const std::wstring item(win::Wide(kPrintChoices[i].caption), kPrintChoices[i].caption.size());
        if (!AppendMenuW(popup, MF_STRING, kFirstChoiceId + i, item.c_str())) return false;
    }
    win::WindowSpec spec;
    spec.className = L"PapyrkaForm2";
    if (!Create(spec)) return false;   // WS_POPUP without WS_VISIBLE: never on screen
    menu_ = std::move(bar);
    popup_ = popup;
    return true;
}

LRESULT PrintChoiceMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        OnCommand(LOWORD(wParam));
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void PrintChoiceMenu::OnCommand(UINT id) {
    switch (id) {
    case kFirstChoiceId: cistaobalka_Click(); break;
    case kFirstChoiceId + 1: adresat_Click(); break;
    case kFirstChoiceId + 2: adodos_Click(); break;
    default: break;
    }
}

void PrintChoiceMenu::Print(const PrintChoice& choice) {
    if (editor_ && printer_) printer_->FillAndPrint(PrintChoicePlan(choice), *editor_);
}

}  // namespace papyrka
