#include "gdi.h"

namespace papyrka::win {

MemoryDc::MemoryDc(HDC reference, int width, int height) {
    dc_ = CreateCompatibleDC(reference);
    if (!dc_) return;
    HDC screen = reference ? reference : GetDC(nullptr);
    bitmap_.reset(CreateCompatibleBitmap(screen, width, height));
    if (!reference) ReleaseDC(nullptr, screen);
    if (bitmap_) old_ = SelectObject(dc_, bitmap_.get());
}

MemoryDc::~MemoryDc() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
}

}  // namespace papyrka::win
