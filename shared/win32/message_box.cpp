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

void MessageBoxReporter::Message(const std::u16string& text) { ShowMessage(owner_ ? *owner_ : nullptr, title_, text); }

}  // namespace papyrka::win
