#pragma once
// A page drawn into a 32-bit top-down DIB section, read directly: GetPixel takes seconds under Wine.
#include <windows.h>

#include <cstdint>

#include "win32/gdi.h"

namespace papyrka::test {

class PageBitmap {
public:
    PageBitmap(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB};   // top-down
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dc_ || !bitmap_) return;
        bits_ = static_cast<const std::uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_.get());
    }
    ~PageBitmap() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
    }

    bool ok() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    std::uint32_t Pixel(int x, int y) const {   // 0xRRGGBB, white outside the page
        if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFF;
        GdiFlush();
        return bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] & 0xFFFFFF;
    }
    bool White(int x, int y) const { return Pixel(x, y) == 0xFFFFFF; }
    bool Black(int x, int y) const { return Pixel(x, y) == 0; }
    int Marked(const RECT& area) const {   // pixels not white in [left, right) x [top, bottom)
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += !White(x, y);
        return count;
    }

private:
    int width_, height_;
    HDC dc_;
    win::Bitmap bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace papyrka::test
