#include "win32/popup_menu.h"

namespace papyrka::win {

bool PopUpMenuAtCursor(HMENU menu, HWND owner, HWND foreground) {
    POINT at{};
    if (!GetCursorPos(&at)) return false;
    SetForegroundWindow(foreground);
    const BOOL shown = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    return shown != FALSE;
}

}  // namespace papyrka::win
