#pragma once
// The background pictures of the launcher window and the about window, drawn by code at the
// resolution of `map`: gradient, title, the two bevelled bars, then the ovals or the picture.
#include <windows.h>

#include "win32/fonts.h"
#include "base/twips.h"

namespace papyrka::launcher {

void DrawLauncherBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts);
void DrawAboutBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts);

}  // namespace papyrka::launcher
