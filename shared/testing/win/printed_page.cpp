#include "testing/win/printed_page.h"

#include <windows.h>

#include "win32/printing.h"

namespace papyrka::test {

namespace {

constexpr int kDarkBelow = 128;

}  // namespace

PrintedPage::PrintedPage(const std::wstring& pdf) {
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    if (!printer) return;
    HDC dc = printer.get();
    caps_ = PrinterCaps{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, PHYSICALOFFSETX),
                        GetDeviceCaps(dc, PHYSICALOFFSETY), GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    // Rendered at the printer's resolution, one image pixel is one printer dot.
    if (caps_.dpiX == caps_.dpiY) image_ = PdfPageImage(pdf, 1, caps_.dpiX);
}

int PrintedPage::DotX(int twipsX) const { return PaperDot(caps_, TwipsPoint{twipsX, 0}).x; }
int PrintedPage::DotY(int twipsY) const { return PaperDot(caps_, TwipsPoint{0, twipsY}).y; }

bool PrintedPage::Dark(int dotX, int dotY) const {
    return dotX >= 0 && dotY >= 0 && dotX < image_.width && dotY < image_.height && image_.at(dotX, dotY) < kDarkBelow;
}

std::vector<int> PrintedPage::LinesAcrossRow(int yTwips, int fromXTwips, int toXTwips) const {
    std::vector<int> lines;
    const int y = DotY(yTwips);
    for (int x = DotX(fromXTwips), end = DotX(toXTwips); x <= end; ++x)
        if (Dark(x, y) && !Dark(x - 1, y)) lines.push_back(x);
    return lines;
}

std::vector<int> PrintedPage::LinesAcrossColumn(int xTwips, int fromYTwips, int toYTwips) const {
    std::vector<int> lines;
    const int x = DotX(xTwips);
    for (int y = DotY(fromYTwips), end = DotY(toYTwips); y <= end; ++y)
        if (Dark(x, y) && !Dark(x, y - 1)) lines.push_back(y);
    return lines;
}

}  // namespace papyrka::test
