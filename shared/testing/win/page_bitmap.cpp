#include "page_bitmap.h"

namespace papyrka::test {

PageBitmap::PageBitmap(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB};   // top-down
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_ || !bitmap_) return;
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
    return RGB(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF);   // the DIB holds 0x00RRGGBB
}

int PageBitmap::Marked(const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += !White(x, y);
    return count;
}

}  // namespace papyrka::test
