#include "win32/gdi.h"

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

RECT BufferedPaint::ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

BufferedPaint::BufferedPaint(HWND window)
    : paint_(window), client_(ClientOf(window)), frame_(paint_.get(), client_.right, client_.bottom) {}

BufferedPaint::~BufferedPaint() {
    if (frame_ && paint_.get())
        BitBlt(paint_.get(), 0, 0, client_.right, client_.bottom, frame_.get(), 0, 0, SRCCOPY);
}

}  // namespace papyrka::win
