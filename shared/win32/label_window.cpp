#include "win32/label_window.h"

#include <windowsx.h>

#include <utility>

#include "win32/artwork.h"
#include "win32/dpi.h"
#include "win32/gdi.h"

namespace papyrka::win {

namespace {

POINT PointFrom(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

LRESULT LabelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        map_ = ScreenMapping(hwnd());   // the window's own monitor may scale unlike the primary one
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;   // the paint covers every pixel
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(PointFrom(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        CancelPress();
        return 0;
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void LabelWindow::SetLabelColour(int index, Colour colour) { labels_.SetColour(hwnd(), map_, index, colour); }

void LabelWindow::SetLabelCaption(int index, std::u16string caption) {
    labels_.SetCaption(hwnd(), map_, index, std::move(caption));
}

void LabelWindow::OnPaint() {
    BufferedPaint paint(hwnd());
    if (!paint.windowDc()) return;
    PaintBackground(paint.get());
    labels_.Paint(paint.get(), map_, fonts_);
}

int LabelWindow::ActingImageAt(POINT pixel) const {
    const int image = ImageAt(pixel);
    return image >= 0 && ImageActs(image) ? image : -1;
}

bool LabelWindow::IsHot(POINT pixel) const {
    if (ActingImageAt(pixel) >= 0) return true;
    const int label = labels_.HitTest(pixel, map_);
    return label >= 0 && labels_[label].clickable && labels_[label].handCursor;
}

bool LabelWindow::OnSetCursor(HWND under, int hitArea) {
    if (under != hwnd() || hitArea != HTCLIENT) return false;
    POINT pixel{};
    if (!GetCursorPos(&pixel) || !ScreenToClient(hwnd(), &pixel)) return false;
    SetCursor(IsHot(pixel) ? HandCursor() : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

void LabelWindow::OnMouseMove(POINT pixel) {
    // Over a caption or an image nobody acts, so a move from one button straight onto
    // another leaves the first one as it is; only the bare background is the form's own.
    const int label = labels_.HitTest(pixel, map_);
    if (label >= 0) {
        if (labels_[label].clickable) Label_MouseMove(label);
        return;
    }
    if (ImageAt(pixel) < 0) Form_MouseMove();
}

void LabelWindow::OnLeftButtonDown(POINT pixel) {
    const int image = ActingImageAt(pixel);
    const int label = image < 0 ? labels_.HitTest(pixel, map_) : -1;
    const bool onButton = image >= 0 || (label >= 0 && labels_[label].clickable);
    // Captured first, so that a release outside the window still ends the press; taking the
    // capture may cancel an earlier press, never this one.
    if (onButton) SetCapture(hwnd());
    pressedImage_ = image;
    labels_.Press(onButton ? label : -1);
}

void LabelWindow::OnLeftButtonUp(POINT pixel) {
    // The press is read before the capture goes, since losing the capture cancels it; the
    // handler runs without the capture, as it may open a modal window or close this one.
    const int image = std::exchange(pressedImage_, -1);
    const int label = labels_.Release(labels_.HitTest(pixel, map_));
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (image >= 0 && image == ImageAt(pixel))
        Image_Click(image);
    else if (label >= 0)
        Label_Click(label);
}

void LabelWindow::CancelPress() {
    pressedImage_ = -1;
    labels_.Release(-1);
}

void LabelWindow::ApplyDpi(UINT dpi, const RECT& suggested) {
    map_ = DeviceMapping{static_cast<int>(dpi), static_cast<int>(dpi), 0, 0};
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

}  // namespace papyrka::win
