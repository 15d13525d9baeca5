#pragma once
// A short hint under a text box, gone after a few seconds or when the box loses the focus:
// how a box says why it refused a character, where a beep alone leaves the user guessing.
#include <windows.h>

#include <string_view>

namespace papyrka::win {

void ShowBoxHint(HWND box, std::u16string_view text);
// The box's own messages that end the hint: its timer, the loss of focus, its destruction.
// True when the message was the hint's timer and needs nothing more.
bool BoxHintMessage(HWND box, UINT message, WPARAM wParam);

}  // namespace papyrka::win
