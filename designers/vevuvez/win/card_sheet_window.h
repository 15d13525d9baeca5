#pragma once
// Form1, the card sheet's layout window: made, hidden, the first time a print needs it and
// kept until the program ends, so its line texts live from one print to the next.
#include "layout/win/layout_window.h"

namespace papyrka::vevuvez {

win::LayoutWindow& CardSheetWindow();

}  // namespace papyrka::vevuvez
