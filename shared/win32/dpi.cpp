#include "win32/dpi.h"

#include "win32/gdi.h"

namespace papyrka::win {

namespace {

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenDpi() {
    WindowDc screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace

void EnableDpiAwareness() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = User32Function<SetContext>("SetProcessDpiAwarenessContext")) {
        // Per-monitor v2: the system sends WM_DPICHANGED and scales nothing behind our back.
        // It fails when the manifest has set the awareness already; then nothing is left to do.
        setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));
        return;
    }
    SetProcessDPIAware();
}

UINT DpiOfWindow(HWND window) {
    using GetForWindow = UINT(WINAPI*)(HWND);
    static const auto getForWindow = User32Function<GetForWindow>("GetDpiForWindow");
    if (window && getForWindow) {
        UINT dpi = getForWindow(window);
        if (dpi) return dpi;
    }
    return static_cast<UINT>(ScreenDpi());
}

DeviceMapping ScreenMapping(HWND window) {
    const int dpi = static_cast<int>(DpiOfWindow(window));
    return DeviceMapping{dpi, dpi, 0, 0};
}

DeviceMapping DeviceMappingOf(HDC dc) {
    return DeviceMapping{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), 0, 0};
}

void PlaceInTwips(HWND control, const DeviceMapping& map, TwipsRect r) {
    const RECT pixels = PixelRect(map, r);
    MoveWindow(control, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
}

SIZE ClientSizeForTwips(HWND windowOrNull, int widthTwips, int heightTwips) {
    const DeviceMapping map = ScreenMapping(windowOrNull);
    return SIZE{map.W(widthTwips), map.H(heightTwips)};
}

void CentreOnScreen(HWND window, SIZE client) {
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO info{sizeof(info)};
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info)) screen = info.rcMonitor;
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = screen.left + (screen.right - screen.left - width) / 2;
    const int y = screen.top + (screen.bottom - screen.top - height) / 2;
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace papyrka::win
