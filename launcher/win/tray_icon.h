#pragma once
// The notification-area icon of the tray window, and the replacement window procedure that
// turns clicks on the icon into the tray menu.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string_view>

namespace papyrka::launcher {

// The callback message of the icon: the first private message plus 1001.
inline constexpr UINT TrayMessage = WM_USER + 1001;

// The one notification record of the run, reused by every add, change and delete of the
// icon. It is the first-version record (cbSize NOTIFYICONDATAW_V1_SIZE: handle, id, flags,
// callback message, icon and a 64-character tip) in its wide form, so that the tip needs no
// code page; on 64-bit Windows the handles are 64 bits wide.
extern NOTIFYICONDATAW TrayIconData;

// The tray window's own procedure, from before TrayIconAdd replaced it.
extern WNDPROC PreviousWindowProc;

// Remembers the window, its menu and its LastState, subclasses the window and then adds the
// icon with the window's small icon. False when the subclass or the icon failed; the
// launcher goes on either way.
bool TrayIconAdd(HWND window, HMENU menu, const std::int16_t& lastState);

// Sets the icon's tip (see TrayTipField). The result of the shell is handed back.
bool TrayTipSet(std::u16string_view text);

// Deletes the icon, then gives the tray window its own procedure back.
bool TrayIconRemove();

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace papyrka::launcher
