// Not a check but a measurement (scripts/card-sheet-figures.sh): how long the print button
// takes to hand the card sheet to the spooler, how big the job is, and the same page as a
// 96-dpi screen image stretched onto the printer, the way a window printout is usually made.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../../card_sheet.h"
#include "../card_sheet_window.h"
#include "../print_action.h"
#include "fake_editor.h"
#include "layout_draw.h"
#include "page_bitmap.h"
#include "print_capture.h"
#include "printing.h"
#include "unix_tool.h"

namespace papyrka::vevuvez {
namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LONGLONG FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// One page drawn by `draw` on the default printer, as a job to the spooler or, with
// `spoolFile`, into that file (what Wine hands to CUPS). Returns the milliseconds it took,
// and those of drawing alone in `drawMs`.
template <typename Draw>
double PrintPage(const std::wstring& spoolFile, Draw draw, double* drawMs = nullptr) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    std::u16string error;
    win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    EXPECT_TRUE(printer);
    if (!printer) return 0;
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = L"Vevuvez";
    info.lpszOutput = spoolFile.empty() ? nullptr : spoolFile.c_str();
    EXPECT_GT(StartDocW(printer.get(), &info), 0);
    EXPECT_GT(StartPage(printer.get()), 0);
    LARGE_INTEGER drawStart, drawEnd;
    QueryPerformanceCounter(&drawStart);
    draw(printer.get(), printer.Mapping());
    QueryPerformanceCounter(&drawEnd);
    if (drawMs) *drawMs = Milliseconds(drawStart, drawEnd);
    EXPECT_GT(EndPage(printer.get()), 0);
    EXPECT_GT(EndDoc(printer.get()), 0);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

void DrawVector(HDC dc, const DeviceMapping& map) {
    win::FontCache fonts;
    win::DrawLayout(dc, map, CardSheetWindow().layout(), fonts);
}

// The sheet as a screen shows it, 96 dpi, then stretched to the printer's resolution.
void DrawScreenImage(HDC dc, const DeviceMapping& map) {
    const DeviceMapping screen{96, 96, 0, 0};
    test::PageBitmap image(screen.W(kSheetWidth), screen.H(kSheetHeight));
    win::FontCache fonts;
    win::DrawLayout(image.dc(), screen, CardSheetWindow().layout(), fonts);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    GetDIBits(image.dc(), static_cast<HBITMAP>(GetCurrentObject(image.dc(), OBJ_BITMAP)), 0,
              static_cast<UINT>(image.height()), pixels.data(), &info, DIB_RGB_COLORS);
    StretchDIBits(dc, map.X(0), map.Y(0), map.W(kSheetWidth), map.H(kSheetHeight), 0, 0, image.width(),
                  image.height(), pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

std::string Figure(const char* what, double value, const char* unit) {
    char line[160];
    std::snprintf(line, sizeof line, "figure: %-58s %10.1f %s\n", what, value, unit);
    std::fputs(line, stdout);
    return line;
}

TEST(CardSheetFigures, DISABLED_MeasuresThePrint) {
    test::PrintCapture capture;
    ASSERT_TRUE(capture.available()) << "run inside scripts/testenv.sh as root";
    const char* figuresDir = std::getenv("PAPYRKA_FIGURES_DIR");   // a Linux folder for the crops
    ASSERT_NE(figuresDir, nullptr);
    const std::wstring folder = test::WindowsPath(figuresDir);

    // Click to spooler: the first click also makes the sheet's window and loads the driver.
    std::vector<double> clicks;
    for (int round = 0; round < 6; ++round) {
        FakeEditor editor = FirstCard();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        Label13_Click(editor);
        QueryPerformanceCounter(&end);
        clicks.push_back(Milliseconds(start, end));
    }
    std::wstring vectorPdf;
    for (int round = 0; round < 6; ++round) vectorPdf = capture.WaitForPdf();
    ASSERT_FALSE(vectorPdf.empty());
    Figure("print click to spooler, first click of the run", clicks[0], "ms");
    std::sort(clicks.begin() + 1, clicks.end());
    Figure("print click to spooler, median of the next five", clicks[3], "ms");

    const double imageMs = PrintPage(L"", DrawScreenImage);
    const std::wstring imagePdf = capture.WaitForPdf();
    ASSERT_FALSE(imagePdf.empty());
    Figure("96-dpi screen image stretched to the printer, to spooler", imageMs, "ms");

    double drawMs = 0;
    const double spoolMs = PrintPage(folder + L"\\vector.ps", DrawVector, &drawMs);
    Figure("vector page into a spool file, whole job", spoolMs, "ms");
    Figure("  of which drawing the sheet (120 lines, fonts, clipping)", drawMs, "ms");
    {
        const DeviceMapping map{300, 300, 0, 0};
        test::PageBitmap bitmap(map.W(kSheetWidth), map.H(kSheetHeight));
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        DrawVector(bitmap.dc(), map);
        QueryPerformanceCounter(&end);
        Figure("the same drawing into a 300-dpi bitmap, no printer driver", Milliseconds(start, end), "ms");
    }
    PrintPage(folder + L"\\image.ps", DrawScreenImage);
    Figure("spool file (PostScript to CUPS), vector page", static_cast<double>(FileSize(folder + L"\\vector.ps")) / 1024, "KiB");
    Figure("spool file (PostScript to CUPS), 96-dpi image page", static_cast<double>(FileSize(folder + L"\\image.ps")) / 1024, "KiB");
    Figure("printed PDF, vector page", static_cast<double>(FileSize(vectorPdf)) / 1024, "KiB");
    Figure("printed PDF, 96-dpi image page", static_cast<double>(FileSize(imagePdf)) / 1024, "KiB");
    Figure("96-dpi screen image itself (800 x 1133, 24-bit)", 800.0 * 3 * 1133 / 1024, "KiB");
    Figure("text found in the vector PDF (bytes)", static_cast<double>(test::PdfText(vectorPdf).size()), "");
    Figure("text found in the image PDF (bytes)", static_cast<double>(test::PdfText(imagePdf).size()), "");

    // The top-left card's corner at 600 dpi from both PDFs, for the eye.
    const std::string dir = figuresDir;
    for (const auto& [pdf, name] : {std::pair{vectorPdf, "vector"}, std::pair{imagePdf, "image"}}) {
        const test::ToolResult crop = test::RunUnixTool({"/usr/bin/pdftoppm", "-png", "-r", "600", "-x", "80", "-y", "880",
                                                         "-W", "1200", "-H", "500", "-singlefile", test::UnixPath(pdf),
                                                         dir + "/crop-" + name});
        EXPECT_EQ(crop.exitCode, 0) << crop.err;
        test::RunUnixTool({"/bin/cp", test::UnixPath(pdf), dir + "/" + name + ".pdf"});
    }
}

}  // namespace
}  // namespace papyrka::vevuvez
