#pragma once
// A pop-up menu at the mouse, the way every menu of the suite opens: left edge at the
// cursor, tracked with the left button, no default item; the chosen item's command reaches
// `owner` as WM_COMMAND.
#include <windows.h>

namespace papyrka::win {

// `foreground` (the owner itself for a hidden tray window, or the visible window the menu
// pops up over) is made the foreground window first, or a click elsewhere would not close
// the menu; the empty message to `owner` afterwards lets a menu closed by a choice go away
// properly. False when the cursor position or the menu itself failed.
bool PopUpMenuAtCursor(HMENU menu, HWND owner, HWND foreground);

}  // namespace papyrka::win
