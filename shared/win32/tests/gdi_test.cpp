#include <gtest/gtest.h>

#include "testing/win/gdi_count.h"
#include "win32/artwork.h"
#include "win32/fonts.h"
#include "win32/gdi.h"

namespace papyrka::win {
namespace {

TEST(Fonts, TheLabelFaceIsScalableCentralEuropeanBold8Point25AndMadeOncePerResolution) {
    MemoryDc dc(nullptr, 10, 10);
    FontCache cache;
    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        EXPECT_EQ(cache.Get(kLabelFont, dpi), cache.Get(kLabelFont, dpi));
        SelectGuard select(dc.get(), cache.Get(kLabelFont, dpi));
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, 8.25 * dpi / 72, 3);
        EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_VECTOR) << "a bitmap face would print blocky";
        EXPECT_EQ(metrics.tmCharSet, EASTEUROPE_CHARSET);
        EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    }
}

TEST(Artwork, GradientRunsFromRedToBlackAtTheMiddleAndRepeatedDrawingLeaksNoObject) {
    HandCursor();   // made once per process; not part of the balance
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u) << "the count must see this process's objects";
    const DeviceMapping map{96, 96, 0, 0};
    for (int round = 0; round < 20; ++round) {
        MemoryDc dc(nullptr, 400, 400);
        FontCache fonts;
        DrawRedGradient(dc.get(), map, {0, 0, 6000, 6000});
        EXPECT_EQ(GetPixel(dc.get(), 0, 5), RGB(255, 0, 0));
        EXPECT_NEAR(GetRValue(GetPixel(dc.get(), 100, 5)), 130, 30);
        EXPECT_EQ(GetPixel(dc.get(), 200, 5) | GetPixel(dc.get(), 399, 5), RGB(0, 0, 0)) << "black from the middle";
        DrawBevelBar(dc.get(), map, {0, 870, 6000, 300});
        DrawSuiteTitle(dc.get(), map, 6000, fonts);
        DrawArrow(dc.get(), map, {5160, 1680, 480, 480}, true);
        DrawOvalButton(dc.get(), map, {1815, 1380, 2325, 315});
    }
    EXPECT_EQ(test::GdiObjectCount(), before);
}

}  // namespace
}  // namespace papyrka::win
