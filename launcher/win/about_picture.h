#pragma once
// Image1 of the about window: a written sheet of paper with a red quill, 89 x 99 pixels of
// the design, drawn from geometry so that it scales with the resolution.
#include <windows.h>

#include "base/twips.h"

namespace papyrka::launcher {

void DrawAboutPicture(HDC dc, const DeviceMapping& map, TwipsRect box);

}  // namespace papyrka::launcher
