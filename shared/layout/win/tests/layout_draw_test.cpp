// The page-drawing function into bitmaps at known resolutions (artwork and frames land on
// the pixels the geometry gives, no text ever marks a pixel outside its box), and
// PrintLayout through the test environment's PDF printer or with no printer to print on.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "layout/win/layout_draw.h"
#include "layout/win/layout_print.h"
#include "testing/win/gdi_count.h"
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

LayoutBox Box(TwipsRect rect, std::u16string text, FontSpec font = {}, Align align = Align::Left, bool framed = false) {
    return LayoutBox{"Label1", rect, font, align, kBlack, false, framed, std::move(text)};
}

TEST(LineThickness, OneScreenPixelStaysOnePixelAndKeepsItsWidthOnPaper) {
    EXPECT_EQ((std::array{LineThicknessX({96, 96}), LineThicknessX({72, 72}), LineThicknessX({300, 600}),
                          LineThicknessY({300, 600}), LineThicknessY({1200, 1200})}),
              (std::array{1, 1, 3, 6, 13}));   // never thinner than a dot
}

// A frame, a rule and a framed empty box, at two resolutions with different x and y (the
// classic bug scales both by one) and an origin. Fills and slanted lines are probed on paper.
TEST(DrawLayout, OutlinesRulesAndFramesLieInsideTheirGeometryOneLineThick) {
    const TwipsRect frame{240, 360, 3000, 1500}, boxRect{600, 2700, 2295, 255};
    const Layout layout(4000, 3300, {FrameArt{frame}, LineArt{{360, 1080}, {3120, 1080}}},
                        {Box(boxRect, u"", {}, Align::Left, true)});
    for (const DeviceMapping map : {DeviceMapping{96, 96, 0, 0}, DeviceMapping{300, 150, 7, 5}}) {
        SCOPED_TRACE(map.dpiX);
        PageBitmap page(map.X(4000) + 10, map.Y(3300) + 10);
        Draw(page, map, layout);
        const int tx = LineThicknessX(map), ty = LineThicknessY(map);
        for (const RECT& r : {DeviceRect(map, frame), DeviceRect(map, boxRect)}) {
            const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
            EXPECT_TRUE(page.Black(r.left, midY) && page.Black(r.left + tx - 1, midY) && page.Black(r.right - 1, midY));
            EXPECT_TRUE(page.White(r.left - 1, midY) && page.White(r.left + tx, midY) && page.White(r.right, midY));
            EXPECT_TRUE(page.Black(midX, r.top) && page.Black(midX, r.top + ty - 1) && page.Black(midX, r.bottom - 1));
            EXPECT_TRUE(page.White(midX, r.top - 1) && page.White(midX, r.top + ty) && page.White(midX, r.bottom));
        }
        const int ruleY = map.Y(1080), ruleMid = map.X(1740);   // both end points, nothing beyond
        EXPECT_TRUE(page.Black(map.X(360), ruleY) && page.Black(map.X(3120), ruleY + ty - 1));
        EXPECT_TRUE(page.White(map.X(360) - 1, ruleY) && page.White(map.X(3120) + tx, ruleY));
        EXPECT_TRUE(page.White(ruleMid, ruleY - 1) && page.White(ruleMid, ruleY + ty));
    }
}

TEST(DrawLayout, NoTextEverMarksAPixelOutsideItsBoxAndALineThatDoesNotFitWhollyIsLeftOut) {
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
    // A box one and a half lines high: the second line would be half visible.
    const FontSpec font{u"MS Sans Serif", 12};
    PageBitmap page(240, 200);
    FontCache fonts;
    TEXTMETRICW metrics{};
    {
        SelectGuard select(page.dc(), fonts.Get(font, 96));
        ASSERT_TRUE(GetTextMetricsW(page.dc(), &metrics));
    }
    const TwipsRect halfRect{300, 300, 3000, metrics.tmHeight * 15 * 3 / 2};
    Draw(page, {}, Layout(3600, 3000, {}, {Box(halfRect, u"HHHH\nHHHH", font)}));
    const RECT half = DeviceRect({}, halfRect);
    EXPECT_GT(page.Marked(RECT{half.left, half.top, half.right, half.top + metrics.tmHeight}), 0);
    EXPECT_EQ(page.Marked(RECT{half.left, half.top + metrics.tmHeight, half.right, half.bottom}), 0);
}

TEST(DrawLayout, WhiteBoxesCoverTheArtworkUnderThem) {
    const TwipsRect boxRect{600, 600, 1500, 375};
    PageBitmap page(200, 100);
    Draw(page, {}, Layout(3000, 1500, {FillArt{{300, 300, 2400, 900}, kBlack}},
                          {LayoutBox{"Label1", boxRect, {}, Align::Left, kBlack, true}}));
    const RECT box = DeviceRect({}, boxRect);
    EXPECT_EQ(page.Marked(box), 0);
    EXPECT_TRUE(page.Black(box.left - 1, box.top));
}

// Every kind of artwork, and a white framed box whose text is wider than its one line: a
// label face with rounded corners and a grey band, a grey mark with curved corners, a
// slanted cut line and a heading.
const Layout kPage(8640, 8640,
                   {FrameArt{{1440, 1440, 4320, 2880}, 105}, FillArt{{1455, 1455, 4290, 720}, kLightGrey},
                    FillArt{{1440, 5040, 2880, 1440}, kLightGrey, 210}, LineArt{{5040, 5040}, {7920, 7920}},
                    TextArt{u"Nadpis", {5400, 600, 2000, 400}, {u"Arial", 18, true}}},
                   {LayoutBox{"Label1", {480, 600, 4000, 375}, {u"MS Sans Serif", 12, true}, Align::Left, kBlack, true,
                              true, u"Papyrka: žltý kôň úpel ďábelské ódy"}});

TEST(DrawLayout, RepeatedDrawingLeaksNoGdiObject) {
    auto drawOnce = [](const DeviceMapping& map) { Draw(PageBitmap(map.X(8640), map.Y(8640)), map, kPage); };
    drawOnce({96, 96});   // anything made once per process is made now
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u);   // the count works on this system
    for (int round = 0; round < 10; ++round) drawOnce(round % 2 ? DeviceMapping{96, 96} : DeviceMapping{300, 300});
    EXPECT_EQ(test::GdiObjectCount(), before);
}

TEST(PrintLayout, APrintIsOnePageWithItsTextsAsTextAndItsArtworkWhereTheLayoutPutsIt) {
    test::PrintCapture capture;
    if (!capture.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
    ASSERT_TRUE(test::HasDefaultPrinter()) << "the test environment's PDF printer is not Wine's default printer";
    ASSERT_EQ(PrintLayoutPage(kPage, u"Papyrka skúška"), u"");
    const std::wstring pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(300)).empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    // The first line prints as text; the line under the box's bottom edge does not print at all.
    const std::string printed = test::PdfText(pdf);
    EXPECT_NE(printed.find("Papyrka: žltý kôň úpel"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("ódy"), std::string::npos) << printed;

    const test::GrayImage page = test::PdfPageImage(pdf, 1, 300);
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
    for (const bool remove : {true, false}) {
        remove ? setting.Remove() : setting.SetMissingPrinter(L"Papyrka chýbajúca");
        test::MessageBoxCloser closer;
        EXPECT_FALSE(PrintLayout(kPage, nullptr, u"Vevuvez"));
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
