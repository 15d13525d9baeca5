#pragma once
// A printed page read back from its PDF at the printer's own resolution and asked in the
// layout's twips: where the dark lines of an outline, a frame or a rule lie, to the dot.
#include <string>
#include <vector>

#include "layout/layout_paper.h"
#include "testing/win/print_capture.h"

namespace papyrka::test {

class PrintedPage {
public:
    // Page 1 of `pdf`, rendered at the default printer's resolution.
    explicit PrintedPage(const std::wstring& pdf);

    bool ok() const { return image_.width > 0; }
    const PrinterCaps& caps() const { return caps_; }

    // The paper dot where a layout coordinate lands: the first dot of a line drawn there.
    int DotX(int twipsX) const;
    int DotY(int twipsY) const;
    bool Dark(int dotX, int dotY) const;

    // The first dot of every dark run met along a row or a column of the layout, between two
    // layout coordinates: the lines that cross it, in paper dots.
    std::vector<int> LinesAcrossRow(int yTwips, int fromXTwips, int toXTwips) const;
    std::vector<int> LinesAcrossColumn(int xTwips, int fromYTwips, int toYTwips) const;

    // Dots of the layout between two coordinates on each axis, for the lengths of outlines.
    double DotsPerTwipX() const { return caps_.dpiX / 1440.0; }
    double DotsPerTwipY() const { return caps_.dpiY / 1440.0; }

private:
    PrinterCaps caps_;
    GrayImage image_;
};

}  // namespace papyrka::test
