#pragma once
// The suite's artwork, drawn from geometry in twips so that it scales with DPI: the red to
// black gradient, bevelled grey bars, the red title, arrows, oval buttons, the hand cursor.
#include <windows.h>

#include "win32/fonts.h"
#include "base/twips.h"

namespace papyrka::win {

// Horizontal gradient from bright red at the left edge to black from the middle on.
void DrawRedGradient(HDC dc, const DeviceMapping& map, TwipsRect area);

// A grey bar with a light top-left and dark bottom-right edge, across `area`.
void DrawBevelBar(HDC dc, const DeviceMapping& map, TwipsRect area);

// The suite's name and version in red lettering, centred at the top of a window `widthTwips` wide.
void DrawSuiteTitle(HDC dc, const DeviceMapping& map, int widthTwips, FontCache& fonts);

// A thick arrow inside `box`, pointing left or right (the record-stepping images).
void DrawArrow(HDC dc, const DeviceMapping& map, TwipsRect box, bool pointsLeft);

// A red oval button filling `box` (the launcher's program buttons).
void DrawOvalButton(HDC dc, const DeviceMapping& map, TwipsRect box);

// The 32 x 32 pointing-hand cursor, made once from code and shared by every window.
HCURSOR HandCursor();

}  // namespace papyrka::win
