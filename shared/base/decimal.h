#pragma once
// Whole numbers as the suite writes them in UTF-16 text: plain decimal digits.
#include <string>

namespace papyrka {

inline std::u16string DecimalText(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace papyrka
