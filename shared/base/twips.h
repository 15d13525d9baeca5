#pragma once
// Twips (1/1440 inch) to device units. Every position and size of the suite is kept in
// twips until the last step; x and y convert each by their own resolution, rounded to the
// nearest unit, so 15 twips are exactly one pixel at 96 dpi.
#include <cstdint>

namespace papyrka {

constexpr int kTwipsPerInch = 1440;

constexpr int TwipsToDevice(int twips, int dotsPerInch) {
    const std::int64_t product = static_cast<std::int64_t>(twips) * dotsPerInch;
    const std::int64_t half = kTwipsPerInch / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kTwipsPerInch
                                         : -((-product + half) / kTwipsPerInch));
}

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// Maps twips to one device: a screen window at its DPI, a printer at its resolution, or a
// test bitmap. The origin shifts in device units (a printer's printable-area offset).
struct DeviceMapping {
    int dpiX = 96, dpiY = 96;
    int originX = 0, originY = 0;

    constexpr int X(int twips) const { return originX + TwipsToDevice(twips, dpiX); }
    constexpr int Y(int twips) const { return originY + TwipsToDevice(twips, dpiY); }
    constexpr int W(int twips) const { return TwipsToDevice(twips, dpiX); }
    constexpr int H(int twips) const { return TwipsToDevice(twips, dpiY); }
};

}  // namespace papyrka
