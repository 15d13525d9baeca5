#include "layout/win/layout_window.h"

#include "win32/dpi.h"
#include "win32/gdi.h"
#include "layout/win/layout_draw.h"
#include "layout/win/layout_print.h"

namespace papyrka::win {

bool LayoutWindow::CreateHidden() {
    if (hwnd()) return true;
    const SIZE client = ClientSizeForTwips(nullptr, layout_.width(), layout_.height());
    WindowSpec spec;
    spec.className = L"PapyrkaLayout";
    spec.x = 0;
    spec.y = 0;
    spec.width = client.cx;
    spec.height = client.cy;
    return Create(spec);   // WS_POPUP without WS_VISIBLE: never on screen
}

bool LayoutWindow::FillAndPrint(const PrintPlan& plan, const BoxTextSource& textOf, HWND owner,
                                std::u16string_view programTitle) {
    Layout filled = layout_;
    FillLayout(filled, plan, textOf);
    if (!PrintLayout(filled, owner, programTitle)) return false;
    layout_ = std::move(filled);
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
    return true;
}

LRESULT LayoutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;   // the layout paints its own white page
    case WM_PAINT: OnPaint(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

void LayoutWindow::OnPaint() {
    PaintDc paint(hwnd());
    DrawLayout(paint.get(), ScreenMapping(hwnd()), layout_, fonts_);
}

}  // namespace papyrka::win
