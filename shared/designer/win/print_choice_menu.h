#pragma once
// Form2: a window never shown, made the first time its menu is needed and kept for the run.
// It owns the pop-up menu "Menu" of the print choices; a choice fills the first lines of the
// piece from the editor's boxes and prints it.
#include <windows.h>

#include "designer/print_choice.h"
#include "designer/win/designer.h"
#include "designer/win/piece_printer.h"
#include "win32/gdi.h"
#include "win32/window.h"

namespace papyrka {

class PrintChoiceMenu final : public win::Window {
public:
    // Pops the menu up at the mouse over the editor. A choice arrives as a command after this
    // returns and prints then; a dismissed menu prints nothing. False when the window or the
    // menu could not be made.
    bool PopUp(EditorContext& editor, PiecePrinter& printer);


protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Form_Load();
    void cistaobalka_Click() { Print(kPrintChoices[0]); }
    void adresat_Click() { Print(kPrintChoices[1]); }
    void adodos_Click() { Print(kPrintChoices[2]); }
    void OnCommand(UINT id);
    void Print(const PrintChoice& choice);

    win::Menu menu_;            // the menu bar that holds "Menu"; never attached to a window
    HMENU popup_ = nullptr;     // "Menu" itself, owned by menu_
    EditorContext* editor_ = nullptr;
    PiecePrinter* printer_ = nullptr;
};

}  // namespace papyrka
