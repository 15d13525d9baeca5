#pragma once
// A printed page read back from its PDF, one pixel a printer dot, asked in layout twips where lines lie.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "layout/layout_paper.h"
#include "testing/win/print_capture.h"
#include "win32/printing.h"

namespace papyrka::test {

class PrintedPage {
public:
    explicit PrintedPage(const std::wstring& pdf) {   // page 1, at the default printer's resolution
        std::u16string error;
        const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
        if (!printer) return;
        const auto cap = [&](int index) { return GetDeviceCaps(printer.get(), index); };
        caps_ = {cap(LOGPIXELSX), cap(LOGPIXELSY), cap(PHYSICALOFFSETX), cap(PHYSICALOFFSETY), cap(HORZRES), cap(VERTRES)};
        if (caps_.dpiX == caps_.dpiY) image_ = PdfPageImage(pdf, 1, caps_.dpiX);
    }

    bool ok() const { return image_.width > 0; }
    const PrinterCaps& caps() const { return caps_; }
    const GrayImage& image() const { return image_; }

    // The paper dot where a layout coordinate lands: the first dot of a line drawn there.
    int DotX(int twipsX) const { return PaperDot(caps_, TwipsPoint{twipsX, 0}).x; }
    int DotY(int twipsY) const { return PaperDot(caps_, TwipsPoint{0, twipsY}).y; }
    bool Dark(int dotX, int dotY) const {
        return dotX >= 0 && dotY >= 0 && dotX < image_.width && dotY < image_.height && image_.at(dotX, dotY) < 128;
    }

    // The first dot of each dark run along a layout row or column between two coordinates: its lines.
    std::vector<int> LinesAcrossRow(int yTwips, int fromXTwips, int toXTwips) const {
        std::vector<int> lines;
        for (int x = DotX(fromXTwips), y = DotY(yTwips); x <= DotX(toXTwips); ++x)
            if (Dark(x, y) && !Dark(x - 1, y)) lines.push_back(x);
        return lines;
    }
    std::vector<int> LinesAcrossColumn(int xTwips, int fromYTwips, int toYTwips) const {
        std::vector<int> lines;
        for (int y = DotY(fromYTwips), x = DotX(xTwips); y <= DotY(toYTwips); ++y)
            if (Dark(x, y) && !Dark(x, y - 1)) lines.push_back(y);
        return lines;
    }

    // How many dots the frame around a layout rectangle lies off one drawn on its edge, at its
    // worst side: found across its middle and down just inside its left side, past any text.
    int FrameMiss(const TwipsRect& r) const {
        const std::vector<int> x = LinesAcrossRow(r.top + r.height / 2, r.left - 30, r.right() + 15);
        const std::vector<int> y = LinesAcrossColumn(r.left + 20, r.top - 30, r.bottom() + 15);
        if (x.empty() || y.empty()) return INT_MAX;
        return std::max({std::abs(x.front() - DotX(r.left)), std::abs(x.back() - DotX(r.right() - 15)),
                         std::abs(y.front() - DotY(r.top)), std::abs(y.back() - DotY(r.bottom() - 15))});
    }

private:
    PrinterCaps caps_;
    GrayImage image_;
};

}  // namespace papyrka::test
