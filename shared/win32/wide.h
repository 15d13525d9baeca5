#pragma once
// The portable code keeps UTF-16 as char16_t; Windows' wchar_t is the same 16-bit unit.
#include <string>
#include <string_view>

namespace papyrka::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline const wchar_t* Wide(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }
inline std::u16string_view Utf16(const wchar_t* text, size_t length) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text), length);
}
inline std::u16string Utf16(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace papyrka::win
