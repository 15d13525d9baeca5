#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(Fonts, AFaceIsChosenByWhatTheSystemHasWindowsFacesFirstAndNeverOneThatCrashesAnEditBox) {
    const std::set<std::u16string> windows{u"Microsoft Sans Serif", u"Tahoma", u"Arial", u"Times New Roman"},
        winePrefix{u"DejaVu Sans", u"DejaVu Sans Condensed", u"DejaVu Serif", u"Nimbus Sans"},
        dejaVuCore{u"DejaVu Sans", u"DejaVu Serif"}, none{};
    const struct {
        const std::set<std::u16string>& system;
        std::u16string_view requested;
        FaceUse use;
        std::u16string_view chosen;
    } cases[] = {
        {windows, u"MS Sans Serif", FaceUse::Drawn, u"Microsoft Sans Serif"},
        {windows, u"MS Sans Serif", FaceUse::EditBox, u"Microsoft Sans Serif"},
        {windows, u"Tahoma", FaceUse::Drawn, u"Tahoma"},
        {windows, u"Times New Roman", FaceUse::Drawn, u"Times New Roman"},
        {winePrefix, u"MS Sans Serif", FaceUse::Drawn, u"DejaVu Sans Condensed"},
        {winePrefix, u"Tahoma", FaceUse::Drawn, u"DejaVu Sans Condensed"},
        {winePrefix, u"MS Sans Serif", FaceUse::EditBox, u"Nimbus Sans"},
        {winePrefix, u"DejaVu Sans Condensed", FaceUse::EditBox, u"Nimbus Sans"},
        {dejaVuCore, u"MS Sans Serif", FaceUse::EditBox, u"DejaVu Serif"},
        {none, u"MS Sans Serif", FaceUse::Drawn, u"MS Sans Serif"},
    };
    for (const auto& c : cases) {
        const auto installed = [&](std::u16string_view face) { return c.system.count(std::u16string(face)) > 0; };
        EXPECT_EQ(ChooseFace(c.requested, c.use, installed), c.chosen)
            << std::string(c.requested.begin(), c.requested.end()) << " " << static_cast<int>(c.use);
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
