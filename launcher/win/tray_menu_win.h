#pragma once
// The tray menu mnuTray as a Windows popup menu, built from its table.
#include <windows.h>

#include "win32/gdi.h"

namespace papyrka::launcher {

using PopupMenu = win::Menu;

// Items, captions, separators and starting states in the table's order; each item's command
// is TrayCommandId(its position). Empty when the system refuses the menu or an item.
PopupMenu BuildTrayMenu();

}  // namespace papyrka::launcher
