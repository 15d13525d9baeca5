#include "message_box.h"

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

std::u16string DescribeError(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (length && buffer) {
        text.assign(reinterpret_cast<const char16_t*>(buffer), length);
        LocalFree(buffer);
        while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) text.pop_back();
    }
    if (text.empty()) {
        std::string number = std::to_string(code);
        text = u"Chyba systému " + std::u16string(number.begin(), number.end()) + u".";
    }
    return text;
}

void MessageBoxReporter::Message(const std::u16string& text) { ShowMessage(owner_ ? *owner_ : nullptr, title_, text); }

}  // namespace papyrka::win
