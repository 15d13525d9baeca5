#pragma once
// Where a printed layout lands on the sheet. PrintLayout draws in the printer DC, whose
// origin is the corner of the printable area, so on paper everything sits shifted by the
// printer's physical offset, and what lies beyond the printable area is cut, not scaled.
#include "layout/layout.h"
#include "base/twips.h"

namespace papyrka {

// A printer as its device capabilities describe it, all in printer dots.
struct PrinterCaps {
    int dpiX = 300, dpiY = 300;                   // LOGPIXELSX, LOGPIXELSY
    int offsetX = 0, offsetY = 0;                 // PHYSICALOFFSETX, PHYSICALOFFSETY
    int printableWidth = 0, printableHeight = 0;  // HORZRES, VERTRES
};

struct DotPoint {
    int x = 0, y = 0;
};

// The mapping PrintLayout draws with: the printable area's corner is (0, 0).
DeviceMapping PrinterMapping(const PrinterCaps& caps);

// A layout point's place on the paper, in dots from the paper's top-left corner.
DotPoint PaperDot(const PrinterCaps& caps, TwipsPoint layoutPoint);

// The part of a layout `width` x `height` twips that reaches the paper.
TwipsRect PrintedPart(const PrinterCaps& caps, int width, int height);

}  // namespace papyrka
