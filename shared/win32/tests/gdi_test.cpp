#include <gtest/gtest.h>

#include <array>

#include "testing/win/gdi_count.h"
#include "win32/artwork.h"
#include "win32/fonts.h"
#include "win32/gdi.h"

namespace papyrka::win {
namespace {

TEST(Fonts, TheLabelFaceIsScalableCentralEuropeanBoldAndSizedByPointsAtEachResolution) {
    MemoryDc dc(nullptr, 10, 10);
    ASSERT_TRUE(dc);
    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        Font font = CreateFontFor(kLabelFont, dpi);
        SelectGuard select(dc.get(), font.get());
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, 8.25 * dpi / 72, 3) << "8.25 pt";
        EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_VECTOR) << "a bitmap face would print blocky";
        EXPECT_EQ(metrics.tmCharSet, EASTEUROPE_CHARSET);
        EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    }
}

TEST(Fonts, CacheHandsOutOneFontPerSpecAndResolution) {
    FontCache cache;
    HFONT first = cache.Get({u"MS Sans Serif", 9.75, false}, 96);
    EXPECT_EQ(cache.Get({u"MS Sans Serif", 9.75, false}, 96), first);
    EXPECT_NE(cache.Get({u"MS Sans Serif", 9.75, false}, 300), first);
    EXPECT_NE(cache.Get({u"MS Sans Serif", 9.75, true}, 96), first);
}

TEST(Artwork, GradientRunsFromRedToBlackAtTheMiddleAndRepeatedDrawingLeaksNoObject) {
    HandCursor();   // made once per process; not part of the balance
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u) << "the count must see this process's objects";
    const DeviceMapping map{96, 96, 0, 0};
    for (int round = 0; round < 20; ++round) {
        MemoryDc dc(nullptr, 400, 400);
        ASSERT_TRUE(dc);
        FontCache fonts;
        DrawRedGradient(dc.get(), map, {0, 0, 6000, 6000});
        if (round == 0) {
            EXPECT_EQ((std::array{GetPixel(dc.get(), 0, 5), GetPixel(dc.get(), 200, 5), GetPixel(dc.get(), 399, 5)}),
                      (std::array{RGB(255, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0)}));
            EXPECT_NEAR(GetRValue(GetPixel(dc.get(), 100, 5)), 130, 30);
        }
        DrawBevelBar(dc.get(), map, {0, 870, 6000, 300});
        DrawSuiteTitle(dc.get(), map, 6000, fonts);
        DrawArrow(dc.get(), map, {5160, 1680, 480, 480}, true);
        DrawOvalButton(dc.get(), map, {1815, 1380, 2325, 315});
    }
    EXPECT_EQ(test::GdiObjectCount(), before);
}

}  // namespace
}  // namespace papyrka::win
