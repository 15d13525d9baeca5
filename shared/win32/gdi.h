#pragma once
// Owning wrappers for GDI objects and device contexts: move-only, so no handle is ever
// deleted twice, and every object selected into a DC is put back before the DC goes.
#include <windows.h>

#include "base/unique_handle.h"

namespace papyrka::win {

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

template <typename Handle>
using GdiObject = UniqueHandle<Handle, DeleteGdiObject>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
using Icon = UniqueHandle<HICON, DestroyIconHandle>;
using Menu = UniqueHandle<HMENU, DestroyMenuHandle>;

// Selects an object into a DC for one scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves the DC state (clip region, colours, modes) for one scope.
class SaveDcGuard {
public:
    explicit SaveDcGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SaveDcGuard(const SaveDcGuard&) = delete;
    SaveDcGuard& operator=(const SaveDcGuard&) = delete;
    ~SaveDcGuard() { if (saved_) RestoreDC(dc_, saved_); }

private:
    HDC dc_;
    int saved_;
};

class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& dirty() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC with its own bitmap of the given size, compatible with `reference`
// (nullptr: the screen). Used for flicker-free painting and for rendering tests.
class MemoryDc {
public:
    MemoryDc(HDC reference, int width, int height);
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc();
    HDC get() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_.get(); }
    explicit operator bool() const { return dc_ && bitmap_; }

private:
    HDC dc_ = nullptr;
    Bitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

// WM_PAINT into an off-screen frame that is copied to the window when the scope ends, so
// artwork under the labels never flickers. Without memory for the frame it paints direct.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    ~BufferedPaint();
    HDC get() const { return frame_ ? frame_.get() : paint_.get(); }
    HDC windowDc() const { return paint_.get(); }
    const RECT& client() const { return client_; }

private:
    static RECT ClientOf(HWND window);
    PaintDc paint_;
    RECT client_;
    MemoryDc frame_;
};

}  // namespace papyrka::win
