#pragma once
// A designer program as data: its record file, its editor window, the printed piece and
// what each button copies where. The skeleton does everything else from these tables.
#include <string>
#include <string_view>
#include <vector>

#include "designer/editor_face.h"
#include "layout/layout.h"
#include "record/record_layout.h"

namespace papyrka {

// What a label button of the editor does.
enum class ButtonAction {
    None,              // a heading only (Label9 in most programs)
    PrintLayout,       // the print table into the layout, then the layout as one page
    PrintChoiceMenu,   // the print-choice menu at the mouse
    ProgramOwn,        // the program's own Win32 code (the contact list's printout)
};

struct DesignerTables {
    std::u16string_view programTitle;        // message box title, e.g. u"Kryton"
    const RecordLayout& record;
    const EditorFace& face;
    Layout (*layout)() = nullptr;            // the printed piece before its first print
    PrintPlan print;                         // layout box <- editor box, for PrintLayout
    ButtonAction label9 = ButtonAction::None;
    ButtonAction label13 = ButtonAction::PrintLayout;
};

// What is wrong with a program's tables, one sentence a fault; empty when they fit together:
// every control named by the face, the print table or the print-choice menu is a field of
// the record (exact case), every field has one box, every layout box named exists, and
// everything lies inside its window or page.
std::vector<std::string> ValidateDesigner(const DesignerTables& tables);

}  // namespace papyrka
