#include "page_bitmap.h"

#include <algorithm>

namespace papyrka::test {

PageBitmap::PageBitmap(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) return;
    bits_ = static_cast<const std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_.get());
}

PageBitmap::~PageBitmap() {
    if (old_) SelectObject(dc_, old_);
    if (dc_) DeleteDC(dc_);
}

COLORREF PageBitmap::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return RGB(255, 255, 255);
    GdiFlush();
    const std::uint32_t value = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int PageBitmap::Marked(const RECT& area) const {
    int count = 0;
    for (int y = std::max(0, static_cast<int>(area.top)); y < std::min(height_, static_cast<int>(area.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(area.left)); x < std::min(width_, static_cast<int>(area.right)); ++x)
            if (!White(x, y)) ++count;
    return count;
}

}  // namespace papyrka::test
