#include "launcher/win/picture_window.h"

#include "win32/dpi.h"

namespace papyrka::launcher {

PictureWindow::PictureWindow(const wchar_t* className, const wchar_t* title)
    : className_(className), title_(title) {}

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

win::LabelSpec PictureWindow::SpecOf(const WindowLabel& row) {
    win::LabelSpec spec;
    spec.name = row.name;
    spec.caption = std::u16string(row.caption);
    spec.rect = row.box;
    spec.colour = row.colour;
    spec.align = row.clickable() ? Align::Centre : Align::Left;
    spec.clickable = row.clickable();
    spec.font = kLauncherLabelFont;
    return spec;
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Form_Close();
        return 0;
    default:
        break;
    }
    return LabelWindow::HandleMessage(message, wParam, lParam);
}

HDC PictureWindow::BackgroundDc(HDC reference) {
    const DeviceMapping& map = Mapping();
    if (background_ && backgroundDpi_ == map.dpiY) return background_->get();
    background_ = std::make_unique<win::MemoryDc>(reference, map.W(kWindowTwips), map.H(kWindowTwips));
    if (!*background_) {
        background_.reset();
        return nullptr;
    }
    backgroundDpi_ = map.dpiY;
    DrawBackground(background_->get(), map, Fonts());
    return background_->get();
}

void PictureWindow::PaintBackground(HDC dc) {
    const DeviceMapping& map = Mapping();
    if (HDC background = BackgroundDc(dc))
        BitBlt(dc, 0, 0, map.W(kWindowTwips), map.H(kWindowTwips), background, 0, 0, SRCCOPY);
    else
        DrawBackground(dc, map, Fonts());
}

}  // namespace papyrka::launcher
