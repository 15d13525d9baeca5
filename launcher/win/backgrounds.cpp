#include "launcher/win/backgrounds.h"

#include "launcher/win/about_picture.h"
#include "win32/artwork.h"
#include "launcher/launcher_artwork.h"
#include "launcher/window_labels.h"

namespace papyrka::launcher {

namespace {

void DrawCommonBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) {
    win::DrawRedGradient(dc, map, kWindowArea);
    win::DrawSuiteTitle(dc, map, kWindowTwips, fonts);
    win::DrawBevelBar(dc, map, kTitleBar);
    win::DrawBevelBar(dc, map, kBottomBar);
}

}  // namespace

void DrawLauncherBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) {
    DrawCommonBackground(dc, map, fonts);
    for (int i = 0; i < kOvalCount; ++i) win::DrawOvalButton(dc, map, OvalButton(i));
}

void DrawAboutBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) {
    DrawCommonBackground(dc, map, fonts);
    DrawAboutPicture(dc, map, kAboutPicture);
}

}  // namespace papyrka::launcher
