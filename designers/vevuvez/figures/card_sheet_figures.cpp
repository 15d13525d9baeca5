// Figures of the business-card print, not a test (scripts/card-sheet-figures.sh runs it inside
// scripts/testenv.sh): time from the print click to the job at the spooler, the size of the
// job, and the same page printed as a 96-dpi screen image for comparison. The one argument is
// a Linux folder that receives both printed PDFs and 600-dpi crops of their top-left card;
// vector.pdf is also the README's sample sheet (scripts/card-sheet-picture.sh).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "designer/win/piece_printer.h"
#include "designers/vevuvez/vevuvez.h"
#include "designers/vevuvez/figures/fake_editor.h"
#include "figures/figure.h"
#include "layout/win/layout_draw.h"
#include "testing/win/page_bitmap.h"
#include "testing/win/print_capture.h"
#include "win32/printing.h"
#include "testing/win/unix_tool.h"

namespace papyrka::vevuvez {
namespace {

PiecePrinter& SheetPrinter() {
    static PiecePrinter printer(&CardSheet);
    return printer;
}

const Layout* Sheet() { return &SheetPrinter().Window()->layout(); }

using figures::Now;

double KiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / 1024;
}

void Figure(const char* what, double value, const char* unit) {
    std::printf("figure: %-58s %10.1f %s\n", what, value, unit);
}

void DrawVector(HDC dc, const DeviceMapping& map) {
    win::FontCache fonts;
    win::DrawLayout(dc, map, *Sheet(), fonts);
}

// The sheet as a screen shows it, 96 dpi, then stretched to the printer's resolution.
void DrawScreenImage(HDC dc, const DeviceMapping& map) {
    const DeviceMapping screen{96, 96, 0, 0};
    test::PageBitmap image(screen.W(Sheet()->width()), screen.H(Sheet()->height()));
    DrawVector(image.dc(), screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), image.width(), -image.height(), 1, 32, BI_RGB};
    std::vector<std::uint32_t> pixels(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    GetDIBits(image.dc(), static_cast<HBITMAP>(GetCurrentObject(image.dc(), OBJ_BITMAP)), 0,
              static_cast<UINT>(image.height()), pixels.data(), &info, DIB_RGB_COLORS);
    StretchDIBits(dc, map.X(0), map.Y(0), map.W(Sheet()->width()), map.H(Sheet()->height()), 0, 0, image.width(),
                  image.height(), pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

// One page on the default printer, to the spooler or into `spoolFile` (what Wine hands to
// CUPS); the milliseconds it took, or -1.
double PrintPage(const std::wstring& spoolFile, void (*draw)(HDC, const DeviceMapping&)) {
    const double start = Now();
    std::u16string error;
    win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    const DOCINFOW doc{sizeof(DOCINFOW), L"Vevuvez", spoolFile.empty() ? nullptr : spoolFile.c_str()};
    if (!printer || StartDocW(printer.get(), &doc) <= 0 || StartPage(printer.get()) <= 0) return -1;
    draw(printer.get(), printer.Mapping());
    if (EndPage(printer.get()) <= 0 || EndDoc(printer.get()) <= 0) return -1;
    return Now() - start;
}

int Run(const std::string& dir) {
    test::PrintCapture capture;
    if (!capture.available()) {
        std::fputs("card-sheet-figures: no test printer; run inside scripts/testenv.sh\n", stderr);
        return 1;
    }
    // Click to spooler: the first click also makes the sheet's window and loads the driver.
    test::FakeEditor editor(u"Vevuvez", {{"txtPhone1", u"Ján Mrkvička"}, {"txtFax", u"obchodný zástupca"},
                                          {"txtCompany", u"Papierne Žilina, s.r.o."}, {"txtEmail", u"041 562 11 22"},
                                          {"txtAddress", u"fax 041 562 11 23"}, {"txt2", u"Pobočka Košice"}});
    PiecePrinter& printer = SheetPrinter();
    std::vector<double> clicks;
    for (int round = 0; round < 6; ++round) {
        const double start = Now();
        printer.FillAndPrint(VevuvezDesigner().print, editor);
        clicks.push_back(Now() - start);
    }
    std::wstring vectorPdf;
    for (int round = 0; round < 6; ++round) vectorPdf = capture.WaitForPdf();
    Figure("print click to spooler, first click of the run", clicks[0], "ms");
    std::sort(clicks.begin() + 1, clicks.end());
    Figure("print click to spooler, median of the next five", clicks[3], "ms");
    Figure("96-dpi screen image stretched to the printer, to spooler", PrintPage(L"", DrawScreenImage), "ms");
    const std::wstring imagePdf = capture.WaitForPdf();
    if (vectorPdf.empty() || imagePdf.empty()) {
        std::fputs("card-sheet-figures: a print did not arrive\n", stderr);
        return 1;
    }

    const std::wstring folder = test::WindowsPath(dir);
    Figure("vector page into a spool file, whole job", PrintPage(folder + L"\\vector.ps", DrawVector), "ms");
    PrintPage(folder + L"\\image.ps", DrawScreenImage);
    Figure("spool file (PostScript to CUPS), vector page", KiB(folder + L"\\vector.ps"), "KiB");
    Figure("spool file (PostScript to CUPS), 96-dpi image page", KiB(folder + L"\\image.ps"), "KiB");
    Figure("printed PDF, vector page", KiB(vectorPdf), "KiB");
    Figure("printed PDF, 96-dpi image page", KiB(imagePdf), "KiB");
    Figure("96-dpi screen image itself (800 x 1133, 24-bit)", 800.0 * 3 * 1133 / 1024, "KiB");
    Figure("text found in the vector PDF (bytes)", static_cast<double>(test::PdfText(vectorPdf).size()), "");
    Figure("text found in the image PDF (bytes)", static_cast<double>(test::PdfText(imagePdf).size()), "");

    // Both PDFs, and the top-left card's corner from each at 600 dpi, for the eye.
    for (const auto& [pdf, name] : {std::pair{vectorPdf, "vector"}, std::pair{imagePdf, "image"}}) {
        CopyFileW(pdf.c_str(), (folder + L"\\" + test::Utf8ToWide(name) + L".pdf").c_str(), FALSE);
        test::RunUnixTool({"/usr/bin/pdftoppm", "-png", "-r", "600", "-x", "80", "-y", "880", "-W", "1200", "-H", "500",
                           "-singlefile", test::UnixPath(pdf), dir + "/crop-" + name});
    }
    return 0;
}

}  // namespace
}  // namespace papyrka::vevuvez

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vevuvez_card_sheet_figures <Linux folder for the PDFs and crops>\n", stderr);
        return 2;
    }
    return papyrka::vevuvez::Run(argv[1]);
}
