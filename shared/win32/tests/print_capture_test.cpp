// The test environment end to end: Wine's default printer is the private PDF printer, a page
// printed through GDI lands as a PDF, and its text and pixels read back as they were drawn.
#include "print_capture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "gdi.h"
#include "twips.h"
#include "unix_tool.h"

namespace papyrka::test {
namespace {

// A rectangle 1 inch wide and half an inch high, 2 inches below the paper's top edge.
constexpr TwipsRect kBlackBox{1440, 2880, 1440, 720};
constexpr int kTextTop = 1440;

class OwnedDc {
public:
    explicit OwnedDc(HDC dc) : dc_(dc) {}
    OwnedDc(const OwnedDc&) = delete;
    OwnedDc& operator=(const OwnedDc&) = delete;
    ~OwnedDc() { if (dc_) DeleteDC(dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// One page on the default printer: `text` one inch from the paper's top-left corner and the
// black box, placed from the paper's edge (the printable area may start further in).
void PrintTestPage(const std::wstring& documentName, const std::wstring& text) {
    const std::wstring printer = DefaultPrinterName();
    ASSERT_FALSE(printer.empty());
    OwnedDc dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
    ASSERT_NE(dc.get(), nullptr);
    const DeviceMapping paper{GetDeviceCaps(dc.get(), LOGPIXELSX), GetDeviceCaps(dc.get(), LOGPIXELSY),
                              -GetDeviceCaps(dc.get(), PHYSICALOFFSETX), -GetDeviceCaps(dc.get(), PHYSICALOFFSETY)};

    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    ASSERT_GT(StartDocW(dc.get(), &document), 0);
    ASSERT_GT(StartPage(dc.get()), 0);
    {
        win::Font font(CreateFontW(-paper.H(240), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
        ASSERT_TRUE(font);
        win::SelectGuard useFont(dc.get(), font.get());
        ASSERT_TRUE(TextOutW(dc.get(), paper.X(1440), paper.Y(kTextTop), text.c_str(), static_cast<int>(text.size())));
        const RECT box{paper.X(kBlackBox.left), paper.Y(kBlackBox.top), paper.X(kBlackBox.right()),
                       paper.Y(kBlackBox.bottom())};
        ASSERT_TRUE(FillRect(dc.get(), &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    }
    ASSERT_GT(EndPage(dc.get()), 0);
    ASSERT_GT(EndDoc(dc.get()), 0);
}

class PrintCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!capture_.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
        ASSERT_TRUE(HasDefaultPrinter()) << "the test environment's PDF printer is not Wine's default printer";
    }
    PrintCapture capture_;
};

TEST_F(PrintCaptureTest, ReadsBackTheTextAndPixelsOfAPrintedPage) {
    ASSERT_NO_FATAL_FAILURE(PrintTestPage(L"Skúšobná strana", L"Papyrka: žltý kôň úpel ďábelské ódy"));
    const std::wstring pdf = capture_.WaitForPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF arrived in " << WideToUtf8(capture_.folder());

    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_NE(PdfText(pdf).find("Papyrka: žltý kôň úpel ďábelské ódy"), std::string::npos) << PdfText(pdf);

    // 20 twips to a pixel at 72 dpi; A4 is 595 x 842 points.
    const GrayImage page = PdfPageImage(pdf, 1, 72);
    EXPECT_NEAR(page.width, 595, 1);
    EXPECT_NEAR(page.height, 842, 1);
    ASSERT_GE(page.height, 200);
    const int left = kBlackBox.left / 20, top = kBlackBox.top / 20;
    const int right = kBlackBox.right() / 20, bottom = kBlackBox.bottom() / 20;
    struct Probe {
        int x, y;
        bool black;
    };
    const Probe probes[] = {
        {(left + right) / 2, (top + bottom) / 2, true},
        {left + 2, top + 2, true},
        {right - 3, bottom - 3, true},
        {left - 3, (top + bottom) / 2, false},
        {right + 2, (top + bottom) / 2, false},
        {(left + right) / 2, top - 3, false},
        {(left + right) / 2, bottom + 2, false},
    };
    for (const Probe& probe : probes) {
        const int value = page.at(probe.x, probe.y);
        if (probe.black) {
            EXPECT_LT(value, 64) << "at " << probe.x << "," << probe.y;
        } else {
            EXPECT_GT(value, 192) << "at " << probe.x << "," << probe.y;
        }
    }
    // The text's ink lies in the line below its top edge, not above it.
    auto inkInRows = [&](int from, int to) {
        int dark = 0;
        for (int y = from; y < to; ++y)
            for (int x = 72; x < 400; ++x) dark += page.at(x, y) < 128;
        return dark;
    };
    EXPECT_GT(inkInRows(kTextTop / 20, kTextTop / 20 + 14), 20);
    EXPECT_EQ(inkInRows(kTextTop / 20 - 14, kTextTop / 20 - 1), 0);
}

TEST_F(PrintCaptureTest, HandsOutSuccessiveJobsOneByOneInOrder) {
    ASSERT_NO_FATAL_FAILURE(PrintTestPage(L"Prvá", L"Prvá strana"));
    ASSERT_NO_FATAL_FAILURE(PrintTestPage(L"Druhá", L"Druhá strana"));
    const std::wstring first = capture_.WaitForPdf();
    const std::wstring second = capture_.WaitForPdf();
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(PdfText(first).find("Prvá strana"), std::string::npos);
    EXPECT_NE(PdfText(second).find("Druhá strana"), std::string::npos);
    EXPECT_TRUE(capture_.WaitForPdf(std::chrono::milliseconds(300)).empty());
}

TEST(UnixTool, PassesEveryArgumentThroughUnchanged) {
    const std::vector<std::string> arguments = {
        "plain", "two words", "", "quote\"inside", "ends with backslash\\", "back\\\\slashes\\\" quote",
        "\\\\server\\share", "tab\there", "žltý kôň",
    };
    std::vector<std::string> command = {"/usr/bin/printf", "[%s]\\n"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::string expected;
    for (const std::string& argument : arguments) expected += "[" + argument + "]\n";

    const ToolResult result = RunUnixTool(command);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expected);
}

TEST(UnixTool, ReportsExitCodeAndErrorOutput) {
    const ToolResult result = RunUnixTool({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "out\n");
    EXPECT_EQ(result.err, "err\n");
    EXPECT_THROW(PdfText(L"C:\\no such file.pdf"), std::runtime_error);
}

TEST(ParsePgm, AcceptsOnlyWholeGreyImages) {
    const std::string pixels("\x00\x7f\xff\x10\x20\x30", 6);
    struct Case {
        const char* name;
        std::string bytes;
        bool ok;
    };
    const Case cases[] = {
        {"plain", "P5\n3 2\n255\n" + pixels, true},
        {"comments and spaces", "P5 # made by hand\n3\t2 # size\n255\n" + pixels, true},
        {"pixels beyond the image are ignored", "P5\n3 2\n255\n" + pixels + "xyz", true},
        {"ASCII grey map", "P2\n3 2\n255\n" + pixels, false},
        {"short of pixels", "P5\n3 2\n255\n" + pixels.substr(0, 5), false},
        {"two bytes a pixel", "P5\n3 2\n65535\n" + pixels + pixels, false},
        {"zero width", "P5\n0 2\n255\n", false},
        {"no height", "P5\n3\n", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        GrayImage image;
        EXPECT_EQ(ParsePgm(c.bytes, image), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(image.width, 3) << c.name;
            EXPECT_EQ(image.height, 2) << c.name;
            EXPECT_EQ(image.at(1, 0), 0x7f) << c.name;
            EXPECT_EQ(image.at(2, 1), 0x30) << c.name;
        }
    }
    GrayImage scaled;
    ASSERT_TRUE(ParsePgm("P5 1 1 15 \x0f", scaled));
    EXPECT_EQ(scaled.at(0, 0), 255);
}

}  // namespace
}  // namespace papyrka::test
