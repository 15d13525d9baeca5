// The "Vytlačiť" button of Vevuvez end to end: the editor's boxes into all ten cards of the
// sheet, one page through the test environment's PDF printer, read back as text and pixels.
#include "../print_action.h"

#include <gtest/gtest.h>

#include <string>

#include "../../card_sheet.h"
#include "../card_sheet_window.h"
#include "fake_editor.h"
#include "dpi.h"
#include "gdi_count.h"
#include "layout_draw.h"
#include "layout_paper.h"
#include "print_capture.h"
#include "print_failure.h"
#include "printing.h"
#include "unix_tool.h"
#include "wide.h"

namespace papyrka::vevuvez {
namespace {

constexpr int kImageDpi = 300;

std::string Utf8(const std::u16string& text) {
    return test::WideToUtf8(std::wstring(text.begin(), text.end()));
}

int Occurrences(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
        ++count;
    return count;
}

PrinterCaps DefaultPrinterCaps() {
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    if (!printer) return {};
    HDC dc = printer.get();
    return PrinterCaps{GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY),
                       GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY),
                       GetDeviceCaps(dc, HORZRES),         GetDeviceCaps(dc, VERTRES)};
}

class PrintActionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!capture_.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
        ASSERT_TRUE(test::HasDefaultPrinter());
    }

    std::wstring PrintCard(FakeEditor editor) {
        Label13_Click(editor);
        EXPECT_EQ(editor.stored, 0) << "printing stores nothing";
        return capture_.WaitForPdf();
    }

    test::PrintCapture capture_;
};

// Every line of `card` printed ten times, and no txtName.
void ExpectCardTexts(const std::string& pdfText, const FakeEditor& card) {
    for (int l = 1; l <= kCardLineCount; ++l) {
        const std::u16string text = card.BoxText(Line(l).source);
        if (!text.empty()) {
            EXPECT_EQ(Occurrences(pdfText, Utf8(text)), kSlotCount) << Utf8(text) << "\n" << pdfText;
        }
    }
    EXPECT_EQ(Occurrences(pdfText, Utf8(card.BoxText("txtName"))), 0);
}

TEST_F(PrintActionTest, OneSheetOfTenCardsWithTheEditorsTexts) {
    const std::wstring pdf = PrintCard(FirstCard());
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    ExpectCardTexts(test::PdfText(pdf), FirstCard());
}

TEST_F(PrintActionTest, ASecondPrintOfAnotherRecordReplacesEveryLine) {
    ASSERT_FALSE(PrintCard(FirstCard()).empty());
    const std::wstring pdf = PrintCard(SecondCard());
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    ExpectCardTexts(text, SecondCard());
    const FakeEditor first = FirstCard();
    for (int l = 1; l <= kCardLineCount; ++l)
        EXPECT_EQ(Occurrences(text, Utf8(first.BoxText(Line(l).source))), 0) << l;
    // The sheet keeps the last print's texts, the empty txt5 included.
    EXPECT_EQ(CardSheetWindow().layout().Text(CardLineBox(10, 12)), u"");
    EXPECT_EQ(CardSheetWindow().layout().Text(CardLineBox(10, 1)), u"Eva Hrušková");
}

TEST_F(PrintActionTest, TheTenOutlinesLieWhereTheSheetPutsThemOnPaper) {
    const PrinterCaps caps = DefaultPrinterCaps();
    ASSERT_GT(caps.dpiX, 0);
    const std::wstring pdf = PrintCard(FirstCard());
    ASSERT_FALSE(pdf.empty());
    const test::GrayImage page = test::PdfPageImage(pdf, 1, kImageDpi);
    ASSERT_GT(page.width, 0);

    // Printer dots to image pixels; one printer dot of tolerance, the offset is in PaperDot.
    const auto imageX = [&](int dot) { return MulDiv(dot, kImageDpi, caps.dpiX); };
    const auto imageY = [&](int dot) { return MulDiv(dot, kImageDpi, caps.dpiY); };
    const int tolerance = std::max(1, (kImageDpi + caps.dpiX - 1) / caps.dpiX);
    const auto darkNear = [&](int x, int y, bool alongX) {
        for (int d = -tolerance; d <= tolerance; ++d) {
            const int px = alongX ? x + d : x, py = alongX ? y : y + d;
            if (px >= 0 && py >= 0 && px < page.width && py < page.height && page.at(px, py) < 128) return true;
        }
        return false;
    };
    const auto whiteAt = [&](int x, int y) { return page.at(x, y) > 200; };
    const int thickness = MulDiv(win::LineThicknessX(PrinterMapping(caps)), kImageDpi, caps.dpiX);

    for (int s = 1; s <= kSlotCount; ++s) {
        SCOPED_TRACE("slot " + std::to_string(s));
        const DotPoint topLeft = PaperDot(caps, {Slot(s).left, Slot(s).top});
        const DotPoint bottomRight = PaperDot(caps, {Slot(s).left + 5115, Slot(s).top + 2850});
        const int left = imageX(topLeft.x), top = imageY(topLeft.y);
        const int right = imageX(bottomRight.x) - 1, bottom = imageY(bottomRight.y) - 1;
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        EXPECT_TRUE(darkNear(left, midY, true) && darkNear(right, midY, true)) << left << " " << right;
        EXPECT_TRUE(darkNear(midX, top, false) && darkNear(midX, bottom, false)) << top << " " << bottom;
        EXPECT_TRUE(whiteAt(left - tolerance - 1, midY) && whiteAt(right + tolerance + 1, midY));
        EXPECT_TRUE(whiteAt(midX, top - tolerance - 1) && whiteAt(midX, bottom + tolerance + 1));
        EXPECT_TRUE(whiteAt(left + thickness + tolerance, midY) && whiteAt(midX, top + thickness + tolerance));
        const int rule = imageY(PaperDot(caps, {0, Slot(s).top + 1080}).y);
        EXPECT_TRUE(darkNear(midX, rule, false)) << rule;
    }
}

TEST_F(PrintActionTest, RepeatedPrintsLeakNoGdiObject) {
    ASSERT_FALSE(PrintCard(FirstCard()).empty());   // the sheet and the spooler's first-use objects
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u);
    for (int round = 0; round < 3; ++round) {
        FakeEditor editor = round % 2 ? FirstCard() : SecondCard();
        Label13_Click(editor);
    }
    EXPECT_EQ(test::GdiObjectCount(), before);
    for (int round = 0; round < 3; ++round) EXPECT_FALSE(capture_.WaitForPdf().empty());
}

TEST(PrintActionFailure, WithoutAPrinterTheUserIsToldAndTheSheetStaysAsItWas) {
    const std::u16string earlier = std::u16string(CardSheetWindow().layout().Text(CardLineBox(3, 1)));
    test::PrintCapture capture;
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        FakeEditor editor = SecondCard();
        Label13_Click(editor);
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Vevuvez");
        EXPECT_EQ(editor.stored, 0);
    }
    for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(CardSheetWindow().layout().Text(CardLineBox(s, 1)), earlier);
    if (capture.available()) {
        EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(500)).empty());
    }
}

TEST(CardSheetWindow, MadeOnceHiddenAndShapedLikeTheSheet) {
    win::LayoutWindow& sheet = CardSheetWindow();
    EXPECT_EQ(&CardSheetWindow(), &sheet);
    ASSERT_NE(sheet.hwnd(), nullptr);
    EXPECT_FALSE(IsWindowVisible(sheet.hwnd()));
    RECT client{};
    ASSERT_TRUE(GetClientRect(sheet.hwnd(), &client));
    const DeviceMapping screen = win::ScreenMapping(sheet.hwnd());
    EXPECT_EQ(client.right, screen.W(kSheetWidth));
    EXPECT_EQ(client.bottom, screen.H(kSheetHeight));
}

}  // namespace
}  // namespace papyrka::vevuvez
