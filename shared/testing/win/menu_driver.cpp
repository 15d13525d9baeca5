#include "testing/win/menu_driver.h"

namespace papyrka::test {

namespace {

int pendingItem = -1;
bool menuSeen = false;
HWND foregroundAtMenu = nullptr;

// Runs on the menu's own modal loop: the menu window (#32768) exists only while it is up.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, id);
    menuSeen = true;
    foregroundAtMenu = GetForegroundWindow();
    if (pendingItem < 0) {
        EndMenu();
        return;
    }
    // With no default item, the first Down selects the first item.
    for (int i = 0; i <= pendingItem; ++i) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYUP, VK_DOWN, 0xC0000001);
    }
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(menu, WM_KEYUP, VK_RETURN, 0xC0000001);
}

}  // namespace

bool ChooseFromPopUp(const std::function<void()>& open, int item) {
    pendingItem = item;
    menuSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &OnTimer);
    open();
    KillTimer(nullptr, timer);
    return menuSeen;
}

HWND ForegroundAtLastMenu() { return foregroundAtMenu; }

}  // namespace papyrka::test
