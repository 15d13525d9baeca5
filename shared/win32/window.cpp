#include "win32/window.h"

#include <exception>

namespace papyrka::win {

namespace {

bool RegisterOnce(const WindowSpec& spec, WNDPROC procedure) {
    WNDCLASSEXW existing{sizeof(existing)};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, spec.className, &existing)) return true;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Without an icon of its own, a window shows the program's (resource 1) in the taskbar
    // and Alt+Tab; LR_SHARED icons belong to the system and are never destroyed.
    const auto programIcon = [instance](int metric) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(metric),
                                             GetSystemMetrics(metric), LR_SHARED));
    };
    wc.hIcon = spec.icon ? spec.icon : programIcon(SM_CXICON);
    wc.hIconSm = spec.icon ? spec.icon : programIcon(SM_CXSMICON);
    wc.lpszClassName = spec.className;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

Window::~Window() { Destroy(); }

bool Window::Create(const WindowSpec& spec) {
    if (!RegisterOnce(spec, &Window::Procedure)) return false;
    HWND created = CreateWindowExW(spec.exStyle, spec.className, spec.title, spec.style, spec.x, spec.y,
                                   spec.width, spec.height, spec.owner, nullptr, GetModuleHandleW(nullptr), this);
    return created != nullptr;
}

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception&) {
        // A handler that ran out of memory or hit a library error must not unwind through
        // USER32; the action is abandoned and the window keeps running.
        MessageBeep(MB_ICONHAND);
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

int RunMessageLoop(HWND dialog) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return -1;
        if (dialog && IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace papyrka::win
