#include "launcher/win/tray_icon.h"

#include "win32/popup_menu.h"

#include "launcher/tray_tip.h"

namespace papyrka::launcher {

NOTIFYICONDATAW TrayIconData{};
WNDPROC PreviousWindowProc = nullptr;

namespace {

HWND trayWindow = nullptr;
HMENU trayMenu = nullptr;
const std::int16_t* trayLastState = nullptr;

HICON IconOf(HWND window) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    return icon;
}

// Left button released over the icon: a minimised tray window gets its last state back.
void RestoreTrayWindow() {
    if (!IsIconic(trayWindow)) return;
    ShowWindow(trayWindow, trayLastState && *trayLastState == 2 ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

// Right button released over the icon.
void PopUpTrayMenu() { win::PopUpMenuAtCursor(trayMenu, trayWindow, trayWindow); }

}  // namespace

bool TrayIconAdd(HWND window, HMENU menu, const std::int16_t& lastState) {
    trayWindow = window;
    trayMenu = menu;
    trayLastState = &lastState;

    // The subclass comes first, so that no click on the new icon can reach the old procedure.
    SetLastError(0);
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc));
    if (previous == 0 && GetLastError() != 0) return false;
    PreviousWindowProc = reinterpret_cast<WNDPROC>(previous);

    TrayIconData.uID = 0;
    TrayIconData.cbSize = NOTIFYICONDATAW_V1_SIZE;
    TrayIconData.hWnd = window;
    TrayIconData.hIcon = IconOf(window);
    TrayIconData.uCallbackMessage = TrayMessage;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON;
    return Shell_NotifyIconW(NIM_ADD, &TrayIconData) != FALSE;
}

bool TrayTipSet(std::u16string_view text) {
    const auto field = TrayTipField(text);
    for (std::size_t i = 0; i < field.size(); ++i) TrayIconData.szTip[i] = static_cast<wchar_t>(field[i]);
    TrayIconData.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &TrayIconData) != FALSE;
}

bool TrayIconRemove() {
    TrayIconData.uFlags = 0;
    const bool deleted = Shell_NotifyIconW(NIM_DELETE, &TrayIconData) != FALSE;
    // Only our own subclass is undone: a window that was never subclassed keeps its procedure.
    if (trayWindow && PreviousWindowProc &&
        GetWindowLongPtrW(trayWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TrayWindowProc))
        SetWindowLongPtrW(trayWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousWindowProc));
    return deleted;
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TrayMessage) {
        if (lParam == WM_LBUTTONUP) {
            RestoreTrayWindow();
            return 0;
        }
        if (lParam == WM_RBUTTONUP) {
            PopUpTrayMenu();
            return 0;
        }
    }
    return CallWindowProcW(PreviousWindowProc, window, message, wParam, lParam);
}

}  // namespace papyrka::launcher
