// The card sheet drawn into bitmaps: every outline, rule and line frame where the tables put
// it, and no card text ever reaching past its own line's box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../../card_sheet.h"
#include "fonts.h"
#include "layout_draw.h"
#include "page_bitmap.h"

namespace papyrka::vevuvez {
namespace {

using test::PageBitmap;

RECT DeviceRect(const DeviceMapping& map, const TwipsRect& r) {
    return RECT{map.X(r.left), map.Y(r.top), map.X(r.right()), map.Y(r.bottom())};
}

TwipsRect OutlineOf(int slot) { return TwipsRect{Slot(slot).left, Slot(slot).top, 5115, 2850}; }

TwipsRect LineBoxOf(int slot, int line) {
    const TwipsRect& r = Line(line).rect;
    return TwipsRect{Slot(slot).left + r.left, Slot(slot).top + r.top, r.width, r.height};
}

// True when the rectangle's one-line frame (thickness t) is black on all four sides, with
// white just outside it where `outsideWhite` says so.
void ExpectFrame(const PageBitmap& page, const RECT& r, int tx, int ty, bool outsideWhite) {
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    EXPECT_TRUE(page.Black(r.left, midY) && page.Black(r.left + tx - 1, midY)) << r.left << "," << midY;
    EXPECT_TRUE(page.Black(r.right - 1, midY) && page.Black(r.right - tx, midY)) << r.right << "," << midY;
    EXPECT_TRUE(page.Black(midX, r.top) && page.Black(midX, r.top + ty - 1)) << midX << "," << r.top;
    EXPECT_TRUE(page.Black(midX, r.bottom - 1) && page.Black(midX, r.bottom - ty)) << midX << "," << r.bottom;
    EXPECT_TRUE(page.White(r.left + tx, midY) && page.White(r.right - tx - 1, midY)) << "inside " << midX;
    if (outsideWhite) {
        EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.right, midY)) << "outside " << r.left;
        EXPECT_TRUE(page.White(midX, r.top - 1) && page.White(midX, r.bottom)) << "outside " << r.top;
    }
}

TEST(CardSheetDrawing, OutlinesRulesAndEmptyFramesLieWhereTheTablesPutThem) {
    // The screen's 96 dpi, and a 300 x 150 dpi device (each axis by its own resolution).
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 150, 0, 0}}) {
        SCOPED_TRACE(map.dpiX);
        const Layout sheet = CardSheet();
        PageBitmap page(map.X(kSheetWidth), map.Y(kSheetHeight));
        ASSERT_TRUE(page.ok());
        win::FontCache fonts;
        win::DrawLayout(page.dc(), map, sheet, fonts);
        const int tx = win::LineThicknessX(map), ty = win::LineThicknessY(map);

        for (int s = 1; s <= kSlotCount; ++s) {
            SCOPED_TRACE("slot " + std::to_string(s));
            const RECT outline = DeviceRect(map, OutlineOf(s));
            ExpectFrame(page, outline, tx, ty, true);
            const int ruleY = map.Y(Slot(s).top + 1080);
            for (int x : {map.X(Slot(s).left + 120), map.X(Slot(s).left + 2520), map.X(Slot(s).left + 4920)})
                EXPECT_TRUE(page.Black(x, ruleY) && page.Black(x, ruleY + ty - 1)) << x;
            EXPECT_TRUE(page.White(map.X(Slot(s).left + 2520), ruleY - 1));
            EXPECT_TRUE(page.White(map.X(Slot(s).left + 2520), ruleY + ty));
            for (int l = 1; l <= kCardLineCount; ++l) {
                SCOPED_TRACE("line " + std::to_string(l));
                // Lines that follow each other overlap by 15 twips and share a frame line.
                ExpectFrame(page, DeviceRect(map, LineBoxOf(s, l)), tx, ty, false);
            }
            const RECT first = DeviceRect(map, LineBoxOf(s, 1)), second = DeviceRect(map, LineBoxOf(s, 2));
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
    const Layout bare = CardSheet();
    Layout filled = CardSheet();
    const std::u16string texts[] = {
        u"Obchodná akadémia Ďurčanského a spol., s ručením obmedzeným, Žilina",
        u"Najneobhospodarovávateľnejšievyzerajúcimi_Najneobhospodarovávateľnejšie",
        u"Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg",
        u"prvý riadok\r\ndruhý riadok\r\ntretí riadok",
    };
    int which = 0;
    ASSERT_TRUE(FillLayout(filled, CardPrintPlan(), [&](std::string_view) { return texts[which++ % 4]; }));

    PageBitmap before(map.X(kSheetWidth), map.Y(kSheetHeight));
    PageBitmap after(map.X(kSheetWidth), map.Y(kSheetHeight));
    ASSERT_TRUE(before.ok() && after.ok());
    win::FontCache fonts;
    win::DrawLayout(before.dc(), map, bare, fonts);
    win::DrawLayout(after.dc(), map, filled, fonts);

    std::vector<RECT> boxes;
    for (const LayoutBox& box : filled.boxes()) boxes.push_back(DeviceRect(map, box.rect));
    int added = 0, strays = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.Pixel(x, y) == before.Pixel(x, y)) continue;
            ++added;
            const POINT p{x, y};
            bool inside = false;
            for (const RECT& box : boxes) inside = inside || PtInRect(&box, p);
            if (!inside) ++strays;
        }
    }
    EXPECT_GT(added, 10000);
    EXPECT_EQ(strays, 0);
    // Frames are drawn over the text: they are the same with or without it.
    EXPECT_TRUE(after.Black(map.X(240 + 120), map.Y(360 + 1800 + 100)));
}

}  // namespace
}  // namespace papyrka::vevuvez
