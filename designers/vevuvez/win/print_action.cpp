#include "print_action.h"

#include "designers/vevuvez/card_sheet.h"
#include "card_sheet_window.h"

namespace papyrka::vevuvez {

void Label13_Click(EditorContext& editor) {
    static const PrintPlan plan = CardPrintPlan();
    CardSheetWindow().FillAndPrint(
        plan, [&editor](std::string_view control) { return editor.BoxText(control); }, editor.Window(),
        editor.ProgramTitle());
}

}  // namespace papyrka::vevuvez
