// The "Vytlačiť" button of Vevuvez end to end: the editor's boxes into all ten cards of the
// sheet, one page through the test environment's PDF printer, read back as text and pixels.
#include "designers/vevuvez/win/print_action.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/win/editor_driver.h"
#include "designers/vevuvez/card_sheet.h"
#include "designers/vevuvez/win/card_sheet_window.h"
#include "designers/vevuvez/win/vevuvez_designer.h"
#include "base/cp1250.h"
#include "win32/dpi.h"
#include "fake_editor.h"
#include "testing/win/gdi_count.h"
#include "layout/win/layout_draw.h"
#include "layout/layout_paper.h"
#include "testing/win/print_capture.h"
#include "testing/win/print_failure.h"
#include "win32/printing.h"
#include "testing/win/unix_tool.h"

namespace papyrka::vevuvez {
namespace {

int Occurrences(const std::string& haystack, const std::u16string& needle) {
    const std::string utf8 = test::WideToUtf8(std::wstring(needle.begin(), needle.end()));
    int count = 0;
    for (size_t at = haystack.find(utf8); at != std::string::npos; at = haystack.find(utf8, at + utf8.size())) ++count;
    return count;
}

// Every card line of `card` printed ten times, and never its txtName.
void ExpectCardTexts(const std::string& pdfText, const FakeEditor& card) {
    for (size_t i = 1; i < card.texts.size(); ++i) {
        if (card.texts[i].empty()) continue;
        EXPECT_EQ(Occurrences(pdfText, card.texts[i]), kSlotCount) << i << "\n" << pdfText;
    }
    EXPECT_EQ(Occurrences(pdfText, card.texts[0]), 0);
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

TEST_F(PrintActionTest, EachPrintFillsTenCardsReplacesEveryLineAndLeaksNoGdiObject) {
    const std::wstring first = PrintCard(FirstCard());   // also makes the sheet and the spooler's first-use objects
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(test::PdfPageCount(first), 1);
    ExpectCardTexts(test::PdfText(first), FirstCard());
    const DWORD gdiObjects = test::GdiObjectCount();
    ASSERT_GT(gdiObjects, 0u);

    const std::wstring second = PrintCard(SecondCard());
    ASSERT_FALSE(second.empty());
    const std::string text = test::PdfText(second);
    ExpectCardTexts(text, SecondCard());
    for (const std::u16string& line : FirstCard().texts) EXPECT_EQ(Occurrences(text, line), 0);
    // The sheet keeps the last print's texts, the empty txt5 included.
    EXPECT_EQ(CardSheetWindow().layout().Text(CardLineBox(10, 12)), u"");
    EXPECT_EQ(CardSheetWindow().layout().Text(CardLineBox(10, 1)), u"Eva Hrušková");

    for (int round = 0; round < 2; ++round) EXPECT_FALSE(PrintCard(round ? SecondCard() : FirstCard()).empty());
    EXPECT_EQ(test::GdiObjectCount(), gdiObjects);
}

TEST_F(PrintActionTest, InTheEditorWindowUnsavedEditsPrintAndNothingIsSaved) {
    test::TempFolder folder;   // one stored card: identifier, company and the big top line
    std::string file = Utf8ToCp1250("1,1\r\n\"JM01\"\r\n\"Papierne Žilina\"\r\n\"Ján Mrkvička\"\r\n");
    for (int field = 4; field <= 13; ++field) file += "\"\"\r\n";
    folder.Write(L"Vevuvez.dat", file);
    test::ModalAnswers answers;
    Form3 form(VevuvezDesigner(), folder.path(), Form3::OnDestroy::KeepRunning);
    ASSERT_TRUE(form.Open());
    test::PumpMessages();
    const test::EditorDriver driver(form);
    driver.Type(driver.Box("txtFax"), u"obchodný zástupca");
    driver.ClickLabel("Label13");
    const std::wstring pdf = capture_.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    for (const char16_t* line : {u"obchodný zástupca", u"Papierne Žilina", u"Ján Mrkvička"})
        EXPECT_EQ(Occurrences(text, line), kSlotCount) << text;
    EXPECT_EQ(Occurrences(text, u"JM01"), 0);
    EXPECT_EQ(folder.Read(L"Vevuvez.dat"), file);
    EXPECT_TRUE(answers.seen.empty());   // no message after printing
}

TEST_F(PrintActionTest, TheTenOutlinesLieWhereTheSheetPutsThemOnPaper) {
    PrinterCaps caps;
    {
        std::u16string error;
        const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
        ASSERT_TRUE(printer);
        HDC dc = printer.get();
        caps = PrinterCaps{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY),
                           GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
    }
    const std::wstring pdf = PrintCard(FirstCard());
    ASSERT_FALSE(pdf.empty());
    constexpr int kImageDpi = 300;
    const test::GrayImage page = test::PdfPageImage(pdf, 1, kImageDpi);
    ASSERT_GT(page.width, 0);

    // Printer dots to image pixels; one printer dot of tolerance, the offset is in PaperDot.
    const auto image = [&](DotPoint dot) {
        return POINT{MulDiv(dot.x, kImageDpi, caps.dpiX), MulDiv(dot.y, kImageDpi, caps.dpiY)};
    };
    const int tolerance = std::max(1, (kImageDpi + caps.dpiX - 1) / caps.dpiX);
    const auto darkNear = [&](int x, int y, bool alongX) {   // the cards lie well inside the page
        for (int d = -tolerance; d <= tolerance; ++d)
            if (page.at(alongX ? x + d : x, alongX ? y : y + d) < 128) return true;
        return false;
    };
    const auto whiteAt = [&](int x, int y) { return page.at(x, y) > 200; };
    const int thickness = MulDiv(win::LineThicknessX(PrinterMapping(caps)), kImageDpi, caps.dpiX);

    for (int s = 1; s <= kSlotCount; ++s) {
        SCOPED_TRACE("slot " + std::to_string(s));
        const POINT topLeft = image(PaperDot(caps, {Slot(s).left, Slot(s).top}));
        const POINT end = image(PaperDot(caps, {Slot(s).left + 5115, Slot(s).top + 2850}));
        const int left = topLeft.x, top = topLeft.y, right = end.x - 1, bottom = end.y - 1;
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        EXPECT_TRUE(darkNear(left, midY, true) && darkNear(right, midY, true)) << left << " " << right;
        EXPECT_TRUE(darkNear(midX, top, false) && darkNear(midX, bottom, false)) << top << " " << bottom;
        EXPECT_TRUE(whiteAt(left - tolerance - 1, midY) && whiteAt(right + tolerance + 1, midY));
        EXPECT_TRUE(whiteAt(midX, top - tolerance - 1) && whiteAt(midX, bottom + tolerance + 1));
        EXPECT_TRUE(whiteAt(left + thickness + tolerance, midY) && whiteAt(midX, top + thickness + tolerance));
        const int rule = image(PaperDot(caps, {0, Slot(s).top + 1080})).y;
        EXPECT_TRUE(darkNear(midX, rule, false)) << rule;
    }
}

TEST(PrintActionFailure, WithoutAPrinterTheUserIsToldAndTheSheetStaysAsItWas) {
    // The sheet is made the first time a print touches it: a hidden window of the sheet's size.
    win::LayoutWindow& sheet = CardSheetWindow();
    RECT client{};
    ASSERT_TRUE(GetClientRect(sheet.hwnd(), &client));
    EXPECT_FALSE(IsWindowVisible(sheet.hwnd()));
    const DeviceMapping screen = win::ScreenMapping(sheet.hwnd());
    EXPECT_TRUE(client.right == screen.W(kSheetWidth) && client.bottom == screen.H(kSheetHeight));

    const std::u16string earlier(sheet.layout().Text(CardLineBox(3, 1)));
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
    for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(sheet.layout().Text(CardLineBox(s, 1)), earlier);
    if (capture.available()) {
        EXPECT_TRUE(capture.WaitForPdf(std::chrono::milliseconds(500)).empty());
    }
}

}  // namespace
}  // namespace papyrka::vevuvez
