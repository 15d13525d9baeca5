// The page-drawing function into bitmaps at known resolutions (frames land on the pixels the
// geometry gives, no text ever marks a pixel outside its box), and PrintLayout with no printer.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "layout/win/layout_draw.h"
#include "layout/win/layout_print.h"
#include "testing/win/page_bitmap.h"
#include "testing/win/print_capture.h"
#include "testing/win/print_failure.h"
#include "testing/win/unix_tool.h"

namespace papyrka::win {
namespace {

using test::PageBitmap;

RECT DeviceRect(const DeviceMapping& map, TwipsRect r) {
    return RECT{map.X(r.left), map.Y(r.top), map.X(r.right()), map.Y(r.bottom())};
}

void Draw(const PageBitmap& page, const DeviceMapping& map, const Layout& layout) {
    ASSERT_TRUE(page.ok());
    FontCache fonts;
    DrawLayout(page.dc(), map, layout, fonts);
}

LayoutBox Box(TwipsRect rect, std::u16string text, FontSpec font = {}, Align align = Align::Left, bool framed = false) {
    return LayoutBox{"Label1", rect, font, align, kBlack, false, framed, std::move(text)};
}

// A frame and a framed empty box at a resolution with different x and y (the classic bug
// scales both by one) and an origin. On paper, the programs' own tests see the rest.
TEST(DrawLayout, OutlinesLieInsideTheirGeometryOneScreenPixelThickOnEachAxis) {
    EXPECT_EQ((std::array{LineThicknessX({96, 96}), LineThicknessX({72, 72}), LineThicknessX({300, 600}),
                          LineThicknessY({300, 600})}),
              (std::array{1, 1, 3, 6}));   // never thinner than a dot
    const TwipsRect frame{240, 360, 3000, 1500}, boxRect{600, 2700, 2295, 255};
    const DeviceMapping map{300, 150, 7, 5};
    PageBitmap page(map.X(4000) + 10, map.Y(3300) + 10);
    Draw(page, map, Layout(4000, 3300, {FrameArt{frame}}, {Box(boxRect, u"", {}, Align::Left, true)}));
    const int tx = LineThicknessX(map), ty = LineThicknessY(map);
    for (const RECT& r : {DeviceRect(map, frame), DeviceRect(map, boxRect)}) {
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        EXPECT_TRUE(page.Black(r.left, midY) && page.Black(r.left + tx - 1, midY) && page.Black(r.right - 1, midY));
        EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.left + tx, midY) && page.White(r.right, midY));
        EXPECT_TRUE(page.Black(midX, r.top) && page.Black(midX, r.top + ty - 1) && page.Black(midX, r.bottom - 1));
        EXPECT_TRUE(page.White(midX, r.top - 1) && page.White(midX, r.top + ty) && page.White(midX, r.bottom));
    }
}

TEST(DrawLayout, NoTextEverMarksAPixelOutsideItsBox) {
    const std::u16string longText = u"Obchodná akadémia Ďurčanského a spol. s ručením obmedzeným, Žilina",
                         longWord = u"Najneobhospodarovávateľnejšievyzerajúcimi";
    const struct { const char* what; std::u16string text; Align align; double points; bool framed; } cases[] = {
        {"long text, left", longText, Align::Left, 8.25, true},
        {"long text, centred", longText, Align::Centre, 17.25, true},
        {"long single word, left", longWord, Align::Left, 8.25, false},
        {"long single word, centred", longWord, Align::Centre, 13.5, true},
        {"lines under the bottom", u"jeden\r\ndva\r\ntri\r\nštyri\r\npäť", Align::Left, 9.75, false},
        {"font taller than the box", u"Veľké písmo gÿ", Align::Left, 24, false},
    };
    const TwipsRect boxRect{1200, 900, 2295, 255};
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 300, 0, 0}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(map.dpiX));
            PageBitmap page(map.X(4800), map.Y(2000));
            const FontSpec font{u"MS Sans Serif", c.points};
            Draw(page, map, Layout(4800, 2000, {}, {Box(boxRect, c.text, font, c.align, c.framed)}));
            const RECT box = DeviceRect(map, boxRect);
            EXPECT_EQ(page.Marked(RECT{0, 0, page.width(), page.height()}), page.Marked(box));
            EXPECT_GT(page.Marked(box), 0);
        }
    }
}

TEST(PrintLayout, NoUsablePrinterIsToldInSlovakAndNothingIsPrinted) {
    test::PrintCapture capture;
    test::DefaultPrinterSetting setting;
    ASSERT_TRUE(setting.ok());
    for (const bool remove : {true, false}) {
        remove ? setting.Remove() : setting.SetMissingPrinter(L"Papyrka chýbajúca");
        test::MessageBoxCloser closer;
        EXPECT_FALSE(PrintLayout(Layout(3000, 3000, {}, {Box({0, 0, 900, 300}, u"x")}), nullptr, u"Vevuvez"));
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Vevuvez");
        const wchar_t* expected = remove ? L"Nie je nastavená žiadna predvolená tlačiareň"
                                         : L"Tlačiareň \u201EPapyrka chýbajúca\u201C sa nepodarilo otvoriť";
        EXPECT_EQ(closer.text.rfind(expected, 0), 0u) << test::WideToUtf8(closer.text);
    }
    EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(500)).empty());
}

}  // namespace
}  // namespace papyrka::win
