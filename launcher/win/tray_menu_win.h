#pragma once
// The tray menu mnuTray as a Windows popup menu, built from its table.
#include <windows.h>

#include <utility>

namespace papyrka::launcher {

// Owns a menu handle; move-only.
class PopupMenu {
public:
    PopupMenu() = default;
    explicit PopupMenu(HMENU menu) : menu_(menu) {}
    PopupMenu(PopupMenu&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}
    PopupMenu& operator=(PopupMenu&& other) noexcept {
        if (this != &other) {
            reset();
            menu_ = std::exchange(other.menu_, nullptr);
        }
        return *this;
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu() { reset(); }

    HMENU get() const { return menu_; }
    explicit operator bool() const { return menu_ != nullptr; }
    void reset() {
        if (menu_) DestroyMenu(menu_);
        menu_ = nullptr;
    }

private:
    HMENU menu_ = nullptr;
};

// Items, captions, separators and starting states in the table's order; each item's command
// is TrayCommandId(its position). Empty when the system refuses the menu or an item.
PopupMenu BuildTrayMenu();

}  // namespace papyrka::launcher
