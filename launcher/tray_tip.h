#pragma once
// The tip field of the notification record: 64 characters, the text, one NUL, blanks after.
#include <array>
#include <cstddef>
#include <string_view>

namespace papyrka::launcher {

inline constexpr std::size_t kTipLength = 64;

// The text is cut at 63 characters so that the NUL always fits: a 64-character field with no
// NUL would leave the system to guess where the tip ends. A surrogate pair is never split.
std::array<char16_t, kTipLength> TrayTipField(std::u16string_view text);

}  // namespace papyrka::launcher
