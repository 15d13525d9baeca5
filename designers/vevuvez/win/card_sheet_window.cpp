#include "card_sheet_window.h"

#include "designers/vevuvez/card_sheet.h"

namespace papyrka::vevuvez {

win::LayoutWindow& CardSheetWindow() {
    static win::LayoutWindow sheet(CardSheet());
    // Printing works from the sheet's data; a window that cannot be made changes nothing.
    sheet.CreateHidden();
    return sheet;
}

}  // namespace papyrka::vevuvez
