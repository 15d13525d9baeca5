// The pictures and texts of both windows at 96 dpi.
#include <gtest/gtest.h>

#include <string>

#include "launcher/win/backgrounds.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "launcher/launcher_artwork.h"
#include "launcher/window_labels.h"

namespace papyrka::launcher {
namespace {

const DeviceMapping k96{96, 96, 0, 0};

class Rendered {
public:
    explicit Rendered(void (*draw)(HDC, const DeviceMapping&, win::FontCache&)) { draw(dc_.get(), k96, fonts_); }
    COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    win::MemoryDc dc_{nullptr, 400, 400};
    win::FontCache fonts_;
};

TEST(Backgrounds, BarsAndOvalsLandOnTheDesignsPixels) {
    const Rendered launcher(&DrawLauncherBackground);
    const Rendered about(&DrawAboutBackground);
    for (const Rendered* picture : {&launcher, &about})
        for (int row : {58, 363}) {
            EXPECT_EQ(GetRValue(picture->at(300, row)), GetGValue(picture->at(300, row))) << "grey bar at " << row;
            EXPECT_NE(picture->at(300, row), RGB(0, 0, 0)) << row;
            EXPECT_EQ(picture->at(300, row - 1), RGB(0, 0, 0)) << "above the bar at " << row;
        }
    for (int i = 0; i < kOvalCount; ++i) {
        const int centre = 102 + 40 * i;
        EXPECT_EQ(launcher.at(198, centre), RGB(204, 0, 0)) << "oval " << i;
        EXPECT_EQ(launcher.at(122, centre), RGB(204, 0, 0)) << "left end of oval " << i;
        EXPECT_NE(launcher.at(198, centre - 12), RGB(204, 0, 0)) << "above oval " << i;
        EXPECT_NE(about.at(300, centre), RGB(204, 0, 0)) << "no ovals in the about window";
    }
    // The about picture fills its 89 x 99 pixels and nothing beyond them.
    EXPECT_EQ(about.at(16, 96), RGB(192, 192, 192)) << "frame corner";
    EXPECT_EQ(about.at(16 + 88, 96 + 98), RGB(192, 192, 192)) << "opposite corner";
    EXPECT_NE(about.at(16 + 89, 96 + 50), RGB(192, 192, 192));
}

TEST(WindowLabels, EveryCaptionFitsItsBoxInOneLine) {
    win::FontCache fonts;
    win::WindowDc screen(nullptr);
    win::SelectGuard font(screen.get(), fonts.Get(kLauncherLabelFont, 96));
    auto check = [&](const WindowLabel& label) {
        const std::wstring caption(label.caption.begin(), label.caption.end());
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &size));
        EXPECT_LE(size.cx, k96.W(label.box.width)) << label.name;
        EXPECT_LE(size.cy, k96.H(label.box.height)) << label.name;
    };
    for (const WindowLabel& label : kLauncherLabels) check(label);
    for (const WindowLabel& label : kAboutLabels) check(label);
}

}  // namespace
}  // namespace papyrka::launcher
