#pragma once
// DPI through one place: per-monitor awareness where the system has it (loaded at run time,
// so older systems and Wine fall back to the screen's LOGPIXELSX/Y).
#include <windows.h>

#include "base/twips.h"

namespace papyrka::win {

void EnableDpiAwareness();              // once, from StartProgram: a fallback to the manifest
UINT DpiOfWindow(HWND window);          // the window's DPI, or the screen's
DeviceMapping ScreenMapping(HWND window);   // twips -> this window's pixels
DeviceMapping DeviceMappingOf(HDC dc);  // twips -> a DC's own units (printer, bitmap)

// A twips rectangle in a device's units. Each edge converts on its own, so neighbouring
// boxes meet exactly at every resolution.
inline RECT PixelRect(const DeviceMapping& map, TwipsRect r) {
    return RECT{map.X(r.left), map.Y(r.top), map.X(r.right()), map.Y(r.bottom())};
}

// Moves a child control onto its twips rectangle at the mapping's resolution.
void PlaceInTwips(HWND control, const DeviceMapping& map, TwipsRect r);

// Client size of a window in pixels for a client area given in twips.
SIZE ClientSizeForTwips(HWND windowOrNull, int widthTwips, int heightTwips);

// Places a popup window with the given client size (pixels) centred on the screen of `near`.
void CentreOnScreen(HWND window, SIZE client);

}  // namespace papyrka::win
