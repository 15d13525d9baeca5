#include "launcher/win/tray_menu_win.h"

#include <string>

#include "launcher/tray_menu.h"
#include "win32/wide.h"

namespace papyrka::launcher {

PopupMenu BuildTrayMenu() {
    PopupMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (int i = 0; i < kTrayMenuSize; ++i) {
        const TrayMenuItem& item = kTrayMenu[i];
        BOOL added = FALSE;
        if (item.separator()) {
            added = AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            const std::u16string caption(item.caption);
            added = AppendMenuW(menu.get(), MF_STRING | (item.enabledAtStart ? MF_ENABLED : MF_GRAYED),
                                TrayCommandId(i), win::Wide(caption));
        }
        if (!added) return PopupMenu();
    }
    return menu;
}

}  // namespace papyrka::launcher
