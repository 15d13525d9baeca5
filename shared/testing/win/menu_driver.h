#pragma once
// A pop-up menu chosen from as a user would: `open` brings the menu up (and returns only when
// it is gone); while it is up, item `item` (from 0) is chosen with the arrow keys and Enter,
// or for item -1 the menu is dismissed. True when a menu window was seen.
#include <windows.h>

#include <functional>

namespace papyrka::test {

bool ChooseFromPopUp(const std::function<void()>& open, int item);

// The foreground window at the moment the last menu was seen.
HWND ForegroundAtLastMenu();

}  // namespace papyrka::test
