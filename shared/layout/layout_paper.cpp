#include "layout/layout_paper.h"

#include <algorithm>
#include <cstdint>

namespace papyrka {

namespace {

// Whole twips that fit in `dots` at `dpi`: a partly covered twip does not count.
int DotsToTwipsFloor(int dots, int dpi) {
    if (dpi <= 0 || dots <= 0) return 0;
    return static_cast<int>(static_cast<std::int64_t>(dots) * kTwipsPerInch / dpi);
}

}  // namespace

DeviceMapping PrinterMapping(const PrinterCaps& caps) { return DeviceMapping{caps.dpiX, caps.dpiY, 0, 0}; }

DotPoint PaperDot(const PrinterCaps& caps, TwipsPoint layoutPoint) {
    const DeviceMapping map = PrinterMapping(caps);
    return DotPoint{caps.offsetX + map.X(layoutPoint.x), caps.offsetY + map.Y(layoutPoint.y)};
}

TwipsRect PrintedPart(const PrinterCaps& caps, int width, int height) {
    return TwipsRect{0, 0, std::clamp(DotsToTwipsFloor(caps.printableWidth, caps.dpiX), 0, std::max(width, 0)),
                     std::clamp(DotsToTwipsFloor(caps.printableHeight, caps.dpiY), 0, std::max(height, 0))};
}

}  // namespace papyrka
