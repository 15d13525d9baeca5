#include "win32/message_box.h"

#include <string>

namespace papyrka::win {

namespace {

std::wstring Terminated(std::u16string_view text) { return std::wstring(Wide(text), text.size()); }

}  // namespace

void ShowMessage(HWND owner, std::u16string_view title, std::u16string_view text) {
    MessageBoxW(owner, Terminated(text).c_str(), Terminated(title).c_str(), MB_OK);
}

bool AskYesNo(HWND owner, std::u16string_view title, std::u16string_view text) {
    return MessageBoxW(owner, Terminated(text).c_str(), Terminated(title).c_str(), MB_YESNO) == IDYES;
}

int AskYesNoCancel(HWND owner, std::u16string_view title, std::u16string_view text) {
    // A message box that could not come up answers 0: nothing is decided, as with Cancel.
    const int answer = MessageBoxW(owner, Terminated(text).c_str(), Terminated(title).c_str(), MB_YESNOCANCEL);
    return answer == IDYES || answer == IDNO ? answer : IDCANCEL;
}

void MessageBoxReporter::Message(const std::u16string& text) { ShowMessage(owner_ ? *owner_ : nullptr, title_, text); }

bool MessageBoxReporter::Ask(const std::u16string& question) { return AskYesNo(owner_ ? *owner_ : nullptr, title_, question); }

}  // namespace papyrka::win
