#pragma once
// Helpers of the launcher's Wine tests: pumping messages while waiting, clicking windowless
// labels, dismissing or driving the modal popup menu, and asking the shell about the icon.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "picture_window.h"
#include "tray_icon.h"

namespace papyrka::launcher::testing {

// Whether a WM_QUIT went by in one of the pumps below since the last reset.
inline bool& QuitSeen() {
    static bool seen = false;
    return seen;
}

inline void Dispatch(const MSG& msg) {
    if (msg.message == WM_QUIT) QuitSeen() = true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// Dispatches messages until `done` holds or `milliseconds` pass; true when it held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(msg);
        if (done()) return true;
        if (GetTickCount64() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Lets everything already posted run.
inline void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(msg);
}

inline POINT LabelCentre(const PictureWindow& form, int index) {
    const RECT r = form.labels().PixelRect(form.Mapping(), index);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline void MoveMouse(HWND window, POINT at) {
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

inline void ClickAt(HWND window, POINT at) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// What happened while a popup menu was up, seen from a timer on the menu's own loop.
struct MenuVisit {
    bool seen = false;          // a menu window (#32768) was showing
    HWND foreground = nullptr;  // the foreground window at that moment
};

// Right-button release on the tray icon of `trayWindow`. While the menu is up, `keys` go to
// it; with no keys it is dismissed with EndMenu. Returns what TrayWindowProc returned.
inline LRESULT RightClickTrayIcon(HWND trayWindow, std::vector<WPARAM> keys, MenuVisit* visit = nullptr) {
    static std::vector<WPARAM> pendingKeys;
    static MenuVisit lastVisit;
    pendingKeys = std::move(keys);
    lastVisit = MenuVisit{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        KillTimer(nullptr, id);
        lastVisit.seen = true;
        lastVisit.foreground = GetForegroundWindow();
        if (pendingKeys.empty()) {
            EndMenu();
            return;
        }
        for (WPARAM key : pendingKeys) {
            PostMessageW(menu, WM_KEYDOWN, key, 0);
            PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
        }
    });
    const LRESULT result = SendMessageW(trayWindow, TrayMessage, 0, WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    if (visit) *visit = lastVisit;
    return result;
}

// Whether the shell still knows the icon of `window`: changing nothing succeeds only then.
inline bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = window;
    probe.uID = 0;
    probe.uFlags = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

inline std::wstring MenuCaption(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

}  // namespace papyrka::launcher::testing
