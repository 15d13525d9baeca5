#pragma once
// DPI through one place: per-monitor awareness where the system has it (loaded at run time,
// so older systems and Wine fall back to the screen's LOGPIXELSX/Y).
#include <windows.h>

#include "twips.h"

namespace papyrka::win {

void EnableDpiAwareness();              // call once, first thing in the entry
UINT DpiOfWindow(HWND window);          // the window's DPI, or the screen's
DeviceMapping ScreenMapping(HWND window);   // twips -> this window's pixels
DeviceMapping DeviceMappingOf(HDC dc);  // twips -> a DC's own units (printer, bitmap)

// Client size of a window in pixels for a client area given in twips.
SIZE ClientSizeForTwips(HWND windowOrNull, int widthTwips, int heightTwips);

// Places a popup window with the given client size (pixels) centred on the screen of `near`.
void CentreOnScreen(HWND window, SIZE client);

}  // namespace papyrka::win
