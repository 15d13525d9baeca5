// The page-drawing function into bitmaps at known resolutions (artwork and frames land on
// the pixels the tables give, no text ever marks a pixel outside its box), and PrintLayout
// through the test environment's PDF printer or with no printer to print on.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "win32/gdi.h"
#include "testing/win/gdi_count.h"
#include "layout/win/layout_draw.h"
#include "layout/win/layout_print.h"
#include "testing/win/page_bitmap.h"
#include "testing/win/print_capture.h"
#include "testing/win/print_failure.h"
#include "testing/win/unix_tool.h"
#include "win32/wide.h"

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

TEST(LineThickness, OneScreenPixelStaysOnePixelAndKeepsItsWidthOnPaper) {
    EXPECT_EQ((std::array{LineThicknessX({96, 96}), LineThicknessX({72, 72}), LineThicknessX({300, 600}),
                          LineThicknessY({300, 600}), LineThicknessY({1200, 1200})}),
              (std::array{1, 1, 3, 6, 13}));   // never thinner than a dot
}

// A frame, a straight and a slanted line, a grey band and a framed empty box, at two
// resolutions with different x and y (the classic bug scales both by one) and an origin.
TEST(DrawLayout, OutlinesLinesAndFramesLieWhereTheGeometrySays) {
    const TwipsRect frame{240, 360, 3000, 1500}, band{600, 2100, 1500, 300}, boxRect{600, 2700, 2295, 255};
    const Layout layout(4000, 3300,
                        {FrameArt{frame}, LineArt{{360, 1080}, {3120, 1080}}, LineArt{{300, 3000}, {3600, 3200}},
                         FillArt{band, kLightGrey}},
                        {LayoutBox{"Label1", boxRect, {}, Align::Left, kBlack, false, true}});
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 150, 7, 5}}) {
        SCOPED_TRACE(map.dpiX);
        PageBitmap page(map.X(4000) + 10, map.Y(3300) + 10);
        Draw(page, map, layout);
        const int tx = LineThicknessX(map), ty = LineThicknessY(map);
        // The outline lies inside its rectangle, one line thick; so does the box's frame.
        for (const RECT& r : {DeviceRect(map, frame), DeviceRect(map, boxRect)}) {
            const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
            EXPECT_TRUE(page.Black(r.left, midY) && page.Black(r.left + tx - 1, midY) && page.Black(r.right - 1, midY));
            EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.left + tx, midY) && page.White(r.right, midY));
            EXPECT_TRUE(page.Black(midX, r.top) && page.Black(midX, r.top + ty - 1) && page.Black(midX, r.bottom - 1));
            EXPECT_TRUE(page.White(midX, r.top - 1) && page.White(midX, r.top + ty) && page.White(midX, r.bottom));
        }
        // The rule covers both end points and nothing beyond its thickness; the slanted line passes its middle.
        const int ruleY = map.Y(1080), ruleMid = map.X(1740);
        EXPECT_TRUE(page.Black(map.X(360), ruleY) && page.Black(map.X(3120), ruleY + ty - 1));
        EXPECT_TRUE(page.White(map.X(360) - 1, ruleY) && page.White(map.X(3120) + tx, ruleY));
        EXPECT_TRUE(page.White(ruleMid, ruleY - 1) && page.White(ruleMid, ruleY + ty));
        const int slantX = map.X(1950), slantY = map.Y(3100);
        EXPECT_GT(page.Marked(RECT{slantX - tx, slantY - ty - 1, slantX + tx + 1, slantY + ty + 2}), 0);
        // The band is grey to its edges.
        const RECT b = DeviceRect(map, band);
        EXPECT_EQ(page.Pixel(b.left, b.top), RGB(192, 192, 192));
        EXPECT_EQ(page.Pixel(b.right - 1, b.bottom - 1), RGB(192, 192, 192));
        EXPECT_TRUE(page.White(b.right, b.bottom - 1) && page.White(b.left, b.bottom));
    }
}

TEST(DrawLayout, NoTextEverMarksAPixelOutsideItsBox) {
    const struct { const char* what; std::u16string text; Align align; double points; bool framed; } cases[] = {
        {"long text, left", u"Obchodná akadémia Ďurčanského a spol. s ručením obmedzeným, Žilina", Align::Left, 8.25, true},
        {"long text, centred", u"Obchodná akadémia Ďurčanského a spol. s ručením obmedzeným", Align::Centre, 17.25, true},
        {"long single word, left", u"Najneobhospodarovávateľnejšievyzerajúcimi", Align::Left, 8.25, false},
        {"long single word, centred", u"Najneobhospodarovávateľnejšievyzerajúcimi", Align::Centre, 13.5, true},
        {"lines under the bottom", u"jeden\r\ndva\r\ntri\r\nštyri\r\npäť", Align::Left, 9.75, false},
        {"font taller than the box", u"Veľké písmo gÿ", Align::Left, 24, false},
    };
    const TwipsRect boxRect{1200, 900, 2295, 255};
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 300, 0, 0}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(map.dpiX));
            PageBitmap page(map.X(4800), map.Y(2000));
            Draw(page, map, Layout(4800, 2000, {}, {LayoutBox{"Label1", boxRect, FontSpec{u"MS Sans Serif", c.points},
                                                               c.align, kBlack, false, c.framed, c.text}}));
            const RECT box = DeviceRect(map, boxRect);
            EXPECT_EQ(page.Marked(RECT{0, 0, page.width(), page.height()}), page.Marked(box));
            EXPECT_GT(page.Marked(box), 0);
        }
    }
}

TEST(DrawLayout, ALineThatDoesNotFitWhollyIsNotDrawn) {
    // A box one and a half lines high: the second line would be half visible, so it is left out.
    const FontSpec font{u"MS Sans Serif", 12};
    PageBitmap probe(10, 10);
    FontCache fonts;
    SelectGuard select(probe.dc(), fonts.Get(font, 96));
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(probe.dc(), &metrics));

    const TwipsRect boxRect{300, 300, 3000, metrics.tmHeight * 15 * 3 / 2};
    PageBitmap page(240, 200);
    Draw(page, {},
         Layout(3600, 3000, {}, {LayoutBox{"Label1", boxRect, font, Align::Left, kBlack, false, false, u"HHHH\nHHHH"}}));
    const RECT box = DeviceRect({}, boxRect);
    EXPECT_GT(page.Marked(RECT{box.left, box.top, box.right, box.top + metrics.tmHeight}), 0);
    EXPECT_EQ(page.Marked(RECT{box.left, box.top + metrics.tmHeight, box.right, box.bottom}), 0);
}

TEST(DrawLayout, WhiteBoxesCoverTheArtworkUnderThem) {
    const TwipsRect boxRect{600, 600, 1500, 375};
    PageBitmap page(200, 100);
    Draw(page, {},
         Layout(3000, 1500, {FillArt{{300, 300, 2400, 900}, kBlack}},
                {LayoutBox{"Label1", boxRect, {}, Align::Left, kBlack, true}}));
    const RECT box = DeviceRect({}, boxRect);
    EXPECT_EQ(page.Marked(box), 0);
    EXPECT_TRUE(page.Black(box.left - 1, box.top));
}

TEST(DrawLayout, RepeatedDrawingLeaksNoGdiObject) {
    const Layout layout(4000, 3000,
                        {FrameArt{{120, 120, 3000, 2000}, 105}, FillArt{{240, 240, 1500, 525}, kLightGrey, 105},
                         LineArt{{100, 100}, {3900, 2900}}, TextArt{u"CD", {300, 300, 900, 400}, {u"Arial", 18, true}}},
                        {LayoutBox{"Label1", {120, 2400, 3000, 375}, {}, Align::Centre, kBlack, true, true, u"Ján Novák"}});
    auto drawOnce = [&layout](const DeviceMapping& map) { Draw(PageBitmap(map.X(4000), map.Y(3000)), map, layout); };
    drawOnce({96, 96});   // anything made once per process is made now
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u);   // the count works on this system
    for (int round = 0; round < 10; ++round) drawOnce(round % 2 ? DeviceMapping{96, 96} : DeviceMapping{300, 300});
    EXPECT_EQ(test::GdiObjectCount(), before);
}

const Layout kTextLayout(6000, 3000, {FrameArt{{240, 360, 5115, 2000}}},
                         {LayoutBox{"Label1", {480, 600, 4000, 375}, {u"MS Sans Serif", 12, true}, Align::Left, kBlack,
                                    false, true, u"Papyrka: žltý kôň úpel ďábelské ódy"}});

TEST(PrintLayout, EachPrintIsOnePageWithItsTextsAsTextAndItsArtworkWhereTheLayoutPutsIt) {
    test::PrintCapture capture;
    if (!capture.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
    ASSERT_TRUE(test::HasDefaultPrinter()) << "the test environment's PDF printer is not Wine's default printer";
    // A label face with rounded corners and a grey band, a grey mark with curved corners, a slanted cut line.
    const Layout shapes(8640, 8640,
                        {FrameArt{{1440, 1440, 4320, 2880}, 105}, FillArt{{1455, 1455, 4290, 720}, kLightGrey},
                         FillArt{{1440, 5040, 2880, 1440}, kLightGrey, 210}, LineArt{{5040, 5040}, {7920, 7920}}},
                        {});
    ASSERT_EQ(PrintLayoutPage(kTextLayout, u"Papyrka skúška"), u"");
    ASSERT_EQ(PrintLayoutPage(shapes, u"Papyrka skúška"), u"");
    const std::wstring text = capture.WaitForPdf(), art = capture.WaitForPdf();   // in the order printed
    ASSERT_FALSE(text.empty() || art.empty());
    EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(300)).empty());

    EXPECT_EQ(test::PdfPageCount(text), 1);
    // The text is wider than its one-line box: the first line prints as text, the line
    // under the box's bottom edge does not print at all.
    const std::string printed = test::PdfText(text);
    EXPECT_NE(printed.find("Papyrka: žltý kôň úpel"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("ódy"), std::string::npos) << printed;

    const test::GrayImage page = test::PdfPageImage(art, 1, 300);
    // Twips from the paper's corner (the PDF printer has no offset), and the grey range expected there.
    const struct { const char* what; int x, y, low, high; } probes[] = {
        {"rounded frame, left side", 1447, 2880, 0, 100},   {"rounded frame, bottom", 3600, 4313, 0, 100},
        {"inside the frame", 3600, 3600, 240, 255},          {"grey band", 3600, 1800, 170, 210},
        {"grey mark", 2880, 5760, 170, 210},                 {"rounded corner of the mark", 1450, 5050, 240, 255},
        {"slanted line", 6480, 6480, 0, 100},                {"beside the slanted line", 6480, 6600, 240, 255},
    };
    for (const auto& probe : probes) {
        const int value = page.at(TwipsToDevice(probe.x, 300), TwipsToDevice(probe.y, 300));
        EXPECT_TRUE(value >= probe.low && value <= probe.high) << probe.what << ": " << value;
    }
}

TEST(PrintLayout, NoUsablePrinterIsToldInSlovakAndNothingIsPrinted) {
    test::PrintCapture capture;
    test::DefaultPrinterSetting setting;
    ASSERT_TRUE(setting.ok());
    const struct { const char* what; bool remove; const char16_t* expected; } cases[] = {
        {"no default printer", true, u"Nie je nastavená žiadna predvolená tlačiareň"},
        {"a default printer that is gone", false, u"Tlačiareň \u201EPapyrka chýbajúca\u201C sa nepodarilo otvoriť"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.remove ? setting.Remove() : setting.SetMissingPrinter(L"Papyrka chýbajúca");
        test::MessageBoxCloser closer;
        EXPECT_FALSE(PrintLayout(kTextLayout, nullptr, u"Vevuvez"));
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Vevuvez");
        EXPECT_EQ(closer.text.find(Wide(c.expected)), 0u) << test::WideToUtf8(closer.text);
    }
    if (capture.available()) {
        EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(500)).empty());
    }
}

}  // namespace
}  // namespace papyrka::win
