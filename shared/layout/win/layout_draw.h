#pragma once
// The one function that draws a layout, for every device: the printer, a test bitmap or a
// window on screen. Twips become device units only here, each edge by its own axis.
#include <windows.h>

#include "win32/fonts.h"
#include "layout/layout.h"
#include "base/twips.h"

namespace papyrka::win {

// A one-pixel line of the design is one device pixel on a screen; on a printer it keeps the
// physical width of a 96-dpi screen pixel (15 twips, 0.26 mm) so that it stays visible.
int LineThicknessX(const DeviceMapping& map);
int LineThicknessY(const DeviceMapping& map);

// Draws the whole layout with its top-left corner at the mapping's origin. The DC must be
// in device units (MM_TEXT); its state is left as it was.
void DrawLayout(HDC dc, const DeviceMapping& map, const Layout& layout, FontCache& fonts);

}  // namespace papyrka::win
