#include "picture_window.h"

#include <windowsx.h>

#include "win32/artwork.h"
#include "win32/dpi.h"

namespace papyrka::launcher {

namespace {

POINT PointFrom(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

PictureWindow::PictureWindow(const wchar_t* className, const wchar_t* title)
    : className_(className), title_(title) {}

DeviceMapping PictureWindow::Mapping() const { return win::ScreenMapping(hwnd()); }

bool PictureWindow::Open() {
    if (hwnd()) {
        BringForward();
        return true;
    }
    win::WindowSpec spec;
    spec.className = className_;
    spec.title = title_;
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_TOOLWINDOW;   // no taskbar button
    if (!Create(spec)) return false;
    win::CentreOnScreen(hwnd(), win::ClientSizeForTwips(hwnd(), kWindowTwips, kWindowTwips));
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    return true;
}

void PictureWindow::BringForward() {
    if (!hwnd()) return;
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
}

void PictureWindow::AddLabel(const WindowLabel& row) {
    win::LabelSpec spec;
    spec.name = row.name;
    spec.caption = std::u16string(row.caption);
    spec.rect = row.box;
    spec.colour = row.colour;
    spec.align = row.clickable() ? Align::Centre : Align::Left;
    spec.clickable = row.clickable();
    spec.font = kLauncherLabelFont;
    labels_.Add(std::move(spec));
}

void PictureWindow::SetLabelColour(int index, std::uint32_t colour) {
    labels_.SetColour(hwnd(), Mapping(), index, colour);
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Form_Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;   // the paint covers every pixel
    case WM_MOUSEMOVE:
        Form_MouseMoveAt(PointFrom(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        Form_MouseDown(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        Form_MouseUp(PointFrom(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        labels_.Release(-1);   // a press that lost the mouse is no click
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && Form_SetCursor()) return TRUE;
        break;
    case WM_DPICHANGED:
        Form_DpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Form_Close();
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

// Over a clickable label, that label's handler; over a caption or a picture, nothing; over
// the bare background, the window's own handler.
void PictureWindow::Form_MouseMoveAt(POINT at) {
    const int index = labels_.HitTest(at, Mapping());
    if (index >= 0) {
        if (labels_[index].clickable) Label_MouseMove(index);
        return;
    }
    if (IsOverPicture(at)) return;
    Form_MouseMove();
}

void PictureWindow::Form_MouseDown(POINT at) {
    const int index = labels_.HitTest(at, Mapping());
    if (index < 0 || !labels_[index].clickable) return;
    SetCapture(hwnd());   // so that a release outside the window still ends the press
    labels_.Press(index);
}

void PictureWindow::Form_MouseUp(POINT at) {
    const int clicked = labels_.Release(labels_.HitTest(at, Mapping()));
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (clicked >= 0) Label_Click(clicked);
}

bool PictureWindow::Form_SetCursor() {
    POINT at{};
    if (!GetCursorPos(&at) || !ScreenToClient(hwnd(), &at)) return false;
    const int index = labels_.HitTest(at, Mapping());
    if (index < 0 || !labels_[index].clickable) return false;
    SetCursor(win::HandCursor());
    return true;
}

void PictureWindow::Form_DpiChanged(const RECT& suggested) {
    const SIZE client = win::ClientSizeForTwips(hwnd(), kWindowTwips, kWindowTwips);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, client.cx, client.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    background_.reset();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

HDC PictureWindow::BackgroundDc(HDC reference) {
    const DeviceMapping map = Mapping();
    if (background_ && backgroundDpi_ == map.dpiY) return background_->get();
    background_ = std::make_unique<win::MemoryDc>(reference, map.W(kWindowTwips), map.H(kWindowTwips));
    if (!*background_) {
        background_.reset();
        return nullptr;
    }
    backgroundDpi_ = map.dpiY;
    DrawBackground(background_->get(), map, fonts_);
    return background_->get();
}

void PictureWindow::Form_Paint() {
    win::BufferedPaint paint(hwnd());
    if (!paint.windowDc()) return;
    const DeviceMapping map = Mapping();
    const RECT& client = paint.client();
    if (HDC background = BackgroundDc(paint.windowDc()))
        BitBlt(paint.get(), 0, 0, client.right, client.bottom, background, 0, 0, SRCCOPY);
    else
        DrawBackground(paint.get(), map, fonts_);
    labels_.Paint(paint.get(), map, fonts_);
}

}  // namespace papyrka::launcher
