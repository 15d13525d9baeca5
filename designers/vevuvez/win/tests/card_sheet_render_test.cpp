// The card sheet drawn into bitmaps: every outline, rule and line frame where the tables put
// it, and no card text ever reaching past its own line's box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "designers/vevuvez/card_sheet.h"
#include "win32/fonts.h"
#include "layout/win/layout_draw.h"
#include "testing/win/page_bitmap.h"

namespace papyrka::vevuvez {
namespace {

using test::PageBitmap;

RECT DeviceRect(const DeviceMapping& map, const TwipsRect& r) {
    return RECT{map.X(r.left), map.Y(r.top), map.X(r.right()), map.Y(r.bottom())};
}

// A rectangle of card `slot` (outline or line box) on the device.
RECT OnSheet(const DeviceMapping& map, int slot, const TwipsRect& r) {
    return DeviceRect(map, TwipsRect{Slot(slot).left + r.left, Slot(slot).top + r.top, r.width, r.height});
}

TEST(CardSheetDrawing, OutlinesRulesAndEmptyFramesLieWhereTheTablesPutThem) {
    // The screen's 96 dpi, and a 300 x 150 dpi device (each axis by its own resolution).
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 150, 0, 0}}) {
        SCOPED_TRACE(map.dpiX);
        PageBitmap page(map.X(kSheetWidth), map.Y(kSheetHeight));
        ASSERT_TRUE(page.ok());
        win::FontCache fonts;
        win::DrawLayout(page.dc(), map, CardSheet(), fonts);
        const int tx = win::LineThicknessX(map), ty = win::LineThicknessY(map);
        const auto black = [&](int x, int y, int dx, int dy) { return page.Black(x, y) && page.Black(x + dx, y + dy); };
        // A one-line frame inside `r` on all four sides, white inside and, for an outline, outside.
        const auto expectFrame = [&](const RECT& r, bool outsideWhite) {
            const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
            EXPECT_TRUE(black(r.left, midY, tx - 1, 0) && page.White(r.left + tx, midY)) << r.left;
            EXPECT_TRUE(black(r.right - 1, midY, 1 - tx, 0) && page.White(r.right - tx - 1, midY)) << r.right;
            EXPECT_TRUE(black(midX, r.top, 0, ty - 1) && black(midX, r.bottom - 1, 0, 1 - ty)) << r.top;
            if (outsideWhite) {
                EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.right, midY)) << r.left;
                EXPECT_TRUE(page.White(midX, r.top - 1) && page.White(midX, r.bottom)) << r.top;
            }
        };
        for (int s = 1; s <= kSlotCount; ++s) {
            SCOPED_TRACE("slot " + std::to_string(s));
            expectFrame(OnSheet(map, s, kCardOutline), true);
            const int ruleY = map.Y(Slot(s).top + 1080), middle = map.X(Slot(s).left + 2520);
            for (int x : {120, 2520, 4920}) EXPECT_TRUE(black(map.X(Slot(s).left + x), ruleY, 0, ty - 1)) << x;
            EXPECT_TRUE(page.White(middle, ruleY - 1) && page.White(middle, ruleY + ty));
            // Lines that follow each other overlap by 15 twips and share a frame line.
            for (int l = 1; l <= kCardLineCount; ++l) expectFrame(OnSheet(map, s, Line(l).rect), false);
            const RECT first = OnSheet(map, s, Line(1).rect), second = OnSheet(map, s, Line(2).rect);
            EXPECT_TRUE(page.White(first.left + 20, first.top - 1) && page.White(second.left + 20, second.bottom));
        }
        // Nothing between the cards.
        EXPECT_EQ(page.Marked(RECT{map.X(5355), 0, map.X(5520), page.height()}), 0);
        EXPECT_EQ(page.Marked(RECT{0, map.Y(3210), page.width(), map.Y(3360)}), 0);
        EXPECT_EQ(page.Marked(RECT{0, map.Y(15210), page.width(), page.height()}), 0);
    }
}

TEST(CardSheetDrawing, TextsLongerThanTheirLinesStayInsideTheirBoxes) {
    // Long texts with spaces, long single words and line breaks in all 120 lines: every
    // pixel they add to the bare sheet lies inside the line's own box.
    const DeviceMapping map{150, 150, 0, 0};
    Layout filled = CardSheet();
    const std::u16string texts[] = {
        u"Obchodná akadémia Ďurčanského a spol., s ručením obmedzeným, Žilina",
        u"Najneobhospodarovávateľnejšievyzerajúcimi_Najneobhospodarovávateľnejšie",
        u"Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg",
        u"prvý riadok\r\ndruhý riadok\r\ntretí riadok",
    };
    int which = 0;
    ASSERT_TRUE(FillLayout(filled, CardPrintPlan(), [&](std::string_view) { return texts[which++ % 4]; }));

    PageBitmap before(map.X(kSheetWidth), map.Y(kSheetHeight)), after(map.X(kSheetWidth), map.Y(kSheetHeight));
    ASSERT_TRUE(before.ok() && after.ok());
    win::FontCache fonts;
    win::DrawLayout(before.dc(), map, CardSheet(), fonts);
    win::DrawLayout(after.dc(), map, filled, fonts);

    std::vector<RECT> boxes;
    for (const LayoutBox& box : filled.boxes()) boxes.push_back(DeviceRect(map, box.rect));
    int added = 0, strays = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.Pixel(x, y) == before.Pixel(x, y)) continue;
            ++added;
            const POINT p{x, y};
            strays += std::none_of(boxes.begin(), boxes.end(), [&](const RECT& box) { return PtInRect(&box, p); });
        }
    }
    EXPECT_GT(added, 10000);
    EXPECT_EQ(strays, 0);
    // Frames are drawn over the text: they are the same with or without it.
    EXPECT_TRUE(after.Black(map.X(240 + 120), map.Y(360 + 1800 + 100)));
}

}  // namespace
}  // namespace papyrka::vevuvez
