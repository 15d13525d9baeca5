#pragma once
// A page rendered into memory for tests: a 32-bit top-down DIB section in its own DC, whose
// pixels a test reads directly (GetPixel on a big page would take seconds under Wine).
#include <windows.h>

#include <cstdint>

#include "win32/gdi.h"

namespace papyrka::test {

class PageBitmap {
public:
    PageBitmap(int width, int height);
    PageBitmap(const PageBitmap&) = delete;
    PageBitmap& operator=(const PageBitmap&) = delete;
    ~PageBitmap();

    bool ok() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    COLORREF Pixel(int x, int y) const;   // white outside the page
    bool White(int x, int y) const { return Pixel(x, y) == RGB(255, 255, 255); }
    bool Black(int x, int y) const { return Pixel(x, y) == RGB(0, 0, 0); }
    // Pixels that are not white in [left, right) x [top, bottom).
    int Marked(const RECT& area) const;

private:
    int width_, height_;
    HDC dc_;
    win::Bitmap bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace papyrka::test
