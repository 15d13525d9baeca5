#include "launcher/tray_menu.h"

namespace papyrka::launcher {

const TrayMenuItem* TrayMenuItemFor(unsigned commandId) {
    if (commandId < kFirstTrayCommand || commandId >= TrayCommandId(kTrayMenuSize)) return nullptr;
    const TrayMenuItem& item = kTrayMenu[commandId - kFirstTrayCommand];
    return item.separator() ? nullptr : &item;
}

int TrayMenuPosition(std::string_view name) {
    for (int i = 0; i < kTrayMenuSize; ++i)
        if (!name.empty() && kTrayMenu[i].name == name) return i;
    return -1;
}

}  // namespace papyrka::launcher
