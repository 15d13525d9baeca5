#pragma once
// The suite's name and version, as the title drawn at the top of its windows and the tray tip show it.
#include <string_view>

namespace papyrka {

inline constexpr std::u16string_view kSuiteTitle = u"Papyrka 1.00";

}  // namespace papyrka
