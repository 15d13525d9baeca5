// PrintLayout through the test environment's PDF printer, and what the user sees when there
// is no printer to print on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "layout_print.h"
#include "print_capture.h"
#include "print_failure.h"
#include "unix_tool.h"
#include "wide.h"

namespace papyrka::win {
namespace {

const Layout& TestLayout() {
    static const Layout layout(6000, 3000, {FrameArt{{240, 360, 5115, 2000}}},
                               {LayoutBox{"Label1", {480, 600, 4000, 375}, {u"MS Sans Serif", 12, true}, Align::Left,
                                          kBlack, false, true, u"Papyrka: žltý kôň úpel ďábelské ódy"}});
    return layout;
}

class PrintLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!capture_.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
        ASSERT_TRUE(test::HasDefaultPrinter());
    }
    test::PrintCapture capture_;
};

TEST_F(PrintLayoutTest, PrintsOnePageWithTheTextsAsText) {
    ASSERT_EQ(PrintLayoutPage(TestLayout(), u"Papyrka skúška"), u"");
    const std::wstring pdf = capture_.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    // The text is wider than its one-line box: the first line prints as text, the line
    // under the box's bottom edge does not print at all.
    const std::string text = test::PdfText(pdf);
    EXPECT_NE(text.find("Papyrka: žltý kôň úpel"), std::string::npos) << text;
    EXPECT_EQ(text.find("ódy"), std::string::npos) << text;
}

TEST_F(PrintLayoutTest, RoundedShapesAndSlantedLinesReachThePaper) {
    // The artwork other layouts draw: a label face with rounded corners and a grey band, a
    // grey mark with curved corners, and a slanted cut line.
    const Layout layout(8640, 8640,
                        {FrameArt{{1440, 1440, 4320, 2880}, 105}, FillArt{{1455, 1455, 4290, 720}, kLightGrey},
                         FillArt{{1440, 5040, 2880, 1440}, kLightGrey, 210}, LineArt{{5040, 5040}, {7920, 7920}}},
                        {});
    ASSERT_EQ(PrintLayoutPage(layout, u"Papyrka skúška"), u"");
    const std::wstring pdf = capture_.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const test::GrayImage page = test::PdfPageImage(pdf, 1, 300);
    struct Probe {
        const char* what;
        int x, y;   // twips from the paper's corner (the PDF printer has no offset)
        int low, high;
    };
    const Probe probes[] = {
        {"rounded frame, left side", 1447, 2880, 0, 100},   {"rounded frame, bottom", 3600, 4313, 0, 100},
        {"inside the frame", 3600, 3600, 240, 255},          {"grey band", 3600, 1800, 170, 210},
        {"grey mark", 2880, 5760, 170, 210},                 {"rounded corner of the mark", 1450, 5050, 240, 255},
        {"slanted line", 6480, 6480, 0, 100},                {"beside the slanted line", 6480, 6600, 240, 255},
    };
    for (const Probe& probe : probes) {
        const int value = page.at(TwipsToDevice(probe.x, 300), TwipsToDevice(probe.y, 300));
        EXPECT_TRUE(value >= probe.low && value <= probe.high) << probe.what << ": " << value;
    }
}

TEST(PrintLayoutFailure, NoUsablePrinterIsToldInSlovakAndNothingIsPrinted) {
    test::PrintCapture capture;
    test::DefaultPrinterSetting setting;
    ASSERT_TRUE(setting.ok());
    struct Case {
        const char* what;
        bool remove;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"no default printer", true, u"Nie je nastavená žiadna predvolená tlačiareň"},
        {"a default printer that is gone", false, u"Tlačiareň \u201EPapyrka chýbajúca\u201C sa nepodarilo otvoriť"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.remove) {
            setting.Remove();
        } else {
            setting.SetMissingPrinter(L"Papyrka chýbajúca");
        }
        test::MessageBoxCloser closer;
        EXPECT_FALSE(PrintLayout(TestLayout(), nullptr, u"Vevuvez"));
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
