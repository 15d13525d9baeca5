// The page-drawing function into bitmaps at known resolutions: artwork and frames land on
// the pixels the tables give, and no text ever marks a pixel outside its box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gdi.h"
#include "gdi_count.h"
#include "layout_draw.h"
#include "page_bitmap.h"

namespace papyrka::win {
namespace {

using test::PageBitmap;

int MarkedOutside(const PageBitmap& page, RECT box) {
    const int all = page.Marked(RECT{0, 0, page.width(), page.height()});
    return all - page.Marked(box);
}

RECT DeviceRect(const DeviceMapping& map, TwipsRect r) {
    return RECT{map.X(r.left), map.Y(r.top), map.X(r.right()), map.Y(r.bottom())};
}

TEST(LineThickness, OneScreenPixelStaysOnePixelAndKeepsItsWidthOnPaper) {
    EXPECT_EQ(LineThicknessX({96, 96}), 1);
    EXPECT_EQ(LineThicknessX({72, 72}), 1);    // never thinner than a dot
    EXPECT_EQ(LineThicknessX({300, 600}), 3);
    EXPECT_EQ(LineThicknessY({300, 600}), 6);
    EXPECT_EQ(LineThicknessY({1200, 1200}), 13);
}

// A frame, a slanted and a straight line, a grey band and a framed box, at two resolutions
// with different x and y (the classic bug scales both by one).
TEST(DrawLayout, OutlinesLinesAndFramesLieWhereTheGeometrySays) {
    const TwipsRect frame{240, 360, 3000, 1500};
    const TwipsRect band{600, 2100, 1500, 300};
    const TwipsRect boxRect{600, 2700, 2295, 255};
    const Layout layout(4000, 3300,
                        {FrameArt{frame}, LineArt{{360, 1080}, {3120, 1080}}, LineArt{{300, 3000}, {3600, 3200}},
                         FillArt{band, kLightGrey}},
                        {LayoutBox{"Label1", boxRect, {}, Align::Left, kBlack, false, true}});
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 150, 7, 5}}) {
        SCOPED_TRACE(map.dpiX);
        PageBitmap page(map.X(4000) + 10, map.Y(3300) + 10);
        ASSERT_TRUE(page.ok());
        FontCache fonts;
        DrawLayout(page.dc(), map, layout, fonts);
        const int tx = LineThicknessX(map), ty = LineThicknessY(map);

        // The outline lies inside its rectangle, one line thick.
        const RECT r = DeviceRect(map, frame);
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        EXPECT_TRUE(page.Black(r.left, midY) && page.Black(r.left + tx - 1, midY));
        EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.left + tx, midY));
        EXPECT_TRUE(page.Black(r.right - 1, midY) && page.White(r.right, midY));
        EXPECT_TRUE(page.Black(midX, r.top) && page.Black(midX, r.top + ty - 1) && page.White(midX, r.top + ty));
        EXPECT_TRUE(page.Black(midX, r.bottom - 1) && page.White(midX, r.bottom));
        EXPECT_TRUE(page.White(midX, midY));

        // The rule covers both end points and nothing above or below its thickness.
        const int ruleY = map.Y(1080);
        EXPECT_TRUE(page.Black(map.X(360), ruleY) && page.Black(map.X(3120), ruleY + ty - 1));
        EXPECT_TRUE(page.White(map.X(360) - 1, ruleY) && page.White(map.X(3120) + tx, ruleY));
        EXPECT_TRUE(page.White(midX, ruleY - 1) && page.White(midX, ruleY + ty));

        // The slanted line passes its middle.
        const int slantX = map.X(1950), slantY = map.Y(3100);
        EXPECT_GT(page.Marked(RECT{slantX - tx, slantY - ty - 1, slantX + tx + 1, slantY + ty + 2}), 0);

        // The band is grey to its edges.
        const RECT b = DeviceRect(map, band);
        EXPECT_EQ(page.Pixel(b.left, b.top), RGB(192, 192, 192));
        EXPECT_EQ(page.Pixel(b.right - 1, b.bottom - 1), RGB(192, 192, 192));
        EXPECT_TRUE(page.White(b.right, b.bottom - 1) && page.White(b.left, b.bottom));

        // The empty box still shows its frame.
        const RECT f = DeviceRect(map, boxRect);
        EXPECT_TRUE(page.Black(f.left, f.top) && page.Black(f.right - 1, f.bottom - 1));
        EXPECT_TRUE(page.White(f.left + tx, f.top + ty) && page.White(f.right, f.bottom));
    }
}

struct ClipCase {
    const char* what;
    std::u16string text;
    Align align;
    double points;
    bool framed;
};

TEST(DrawLayout, NoTextEverMarksAPixelOutsideItsBox) {
    const ClipCase cases[] = {
        {"long text, left", u"Obchodná akadémia Ďurčanského a spol. s ručením obmedzeným, Žilina", Align::Left, 8.25, true},
        {"long text, centred", u"Obchodná akadémia Ďurčanského a spol. s ručením obmedzeným", Align::Centre, 17.25, true},
        {"long single word, left", u"Najneobhospodarovávateľnejšievyzerajúcimi", Align::Left, 8.25, false},
        {"long single word, centred", u"Najneobhospodarovávateľnejšievyzerajúcimi", Align::Centre, 13.5, true},
        {"lines under the bottom", u"jeden\r\ndva\r\ntri\r\nštyri\r\npäť", Align::Left, 9.75, false},
        {"font taller than the box", u"Veľké písmo gÿ", Align::Left, 24, false},
    };
    const TwipsRect boxRect{1200, 900, 2295, 255};
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 300, 0, 0}}) {
        for (const ClipCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(map.dpiX));
            const Layout layout(4800, 2000, {},
                                {LayoutBox{"Label1", boxRect, FontSpec{u"MS Sans Serif", c.points, false, false},
                                           c.align, kBlack, false, c.framed, c.text}});
            PageBitmap page(map.X(4800), map.Y(2000));
            ASSERT_TRUE(page.ok());
            FontCache fonts;
            DrawLayout(page.dc(), map, layout, fonts);
            const RECT box = DeviceRect(map, boxRect);
            EXPECT_EQ(MarkedOutside(page, box), 0);
            EXPECT_GT(page.Marked(box), 0);
        }
    }
}

TEST(DrawLayout, ALineThatDoesNotFitWhollyIsNotDrawn) {
    // A box one and a half lines high: the second line would be half visible, so it is left out.
    const DeviceMapping map{96, 96, 0, 0};
    PageBitmap probe(10, 10);
    FontCache fonts;
    const FontSpec font{u"MS Sans Serif", 12, false, false};
    SelectGuard select(probe.dc(), fonts.Get(font, 96));
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(probe.dc(), &metrics));
    const int lineTwips = metrics.tmHeight * 15;

    const TwipsRect boxRect{300, 300, 3000, lineTwips * 3 / 2};
    const Layout layout(3600, 3000, {}, {LayoutBox{"Label1", boxRect, font, Align::Left, kBlack, false, false, u"HHHH\nHHHH"}});
    PageBitmap page(map.X(3600), map.Y(3000));
    ASSERT_TRUE(page.ok());
    DrawLayout(page.dc(), map, layout, fonts);
    const RECT box = DeviceRect(map, boxRect);
    EXPECT_GT(page.Marked(RECT{box.left, box.top, box.right, box.top + metrics.tmHeight}), 0);
    EXPECT_EQ(page.Marked(RECT{box.left, box.top + metrics.tmHeight, box.right, box.bottom}), 0);
}

TEST(DrawLayout, WhiteBoxesCoverTheArtworkUnderThem) {
    const DeviceMapping map{96, 96, 0, 0};
    const TwipsRect boxRect{600, 600, 1500, 375};
    const Layout layout(3000, 1500, {FillArt{{300, 300, 2400, 900}, 0x000000}},
                        {LayoutBox{"Label1", boxRect, {}, Align::Left, kBlack, true, false}});
    PageBitmap page(map.X(3000), map.Y(1500));
    ASSERT_TRUE(page.ok());
    FontCache fonts;
    DrawLayout(page.dc(), map, layout, fonts);
    const RECT box = DeviceRect(map, boxRect);
    EXPECT_EQ(page.Marked(box), 0);
    EXPECT_TRUE(page.Black(box.left - 1, box.top));
}

TEST(DrawLayout, RepeatedDrawingLeaksNoGdiObject) {
    const Layout layout(4000, 3000,
                        {FrameArt{{120, 120, 3000, 2000}, 105}, FillArt{{240, 240, 1500, 525}, kLightGrey, 105},
                         LineArt{{100, 100}, {3900, 2900}}, TextArt{u"CD", {300, 300, 900, 400}, {u"Arial", 18, true}}},
                        {LayoutBox{"Label1", {120, 2400, 3000, 375}, {}, Align::Centre, kBlack, true, true, u"Ján Novák"}});
    auto drawOnce = [&layout](const DeviceMapping& map) {
        PageBitmap page(map.X(4000), map.Y(3000));
        FontCache fonts;
        DrawLayout(page.dc(), map, layout, fonts);
    };
    drawOnce({96, 96, 0, 0});   // anything made once per process is made now
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u);   // the count works on this system
    for (int round = 0; round < 10; ++round) drawOnce(round % 2 ? DeviceMapping{96, 96} : DeviceMapping{300, 300});
    EXPECT_EQ(test::GdiObjectCount(), before);
}

}  // namespace
}  // namespace papyrka::win
