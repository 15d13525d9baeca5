#pragma once
// Windows-1250 <-> UTF-16, independent of the system's code page. The five byte values
// that Windows-1250 leaves undefined map to the C1 controls of the same number and back,
// as Windows itself does, so any byte string survives a trip through the UI unchanged.
#include <string>
#include <string_view>

namespace papyrka {

std::u16string Cp1250ToUtf16(std::string_view bytes);

// Replaces `out`. False when a character has no Windows-1250 byte; such characters are left out.
bool Utf16ToCp1250(std::u16string_view text, std::string& out);

bool IsCp1250Storable(char16_t ch);

// Convenience for source literals and tests: UTF-8 -> Windows-1250 (unmappable dropped).
std::string Utf8ToCp1250(std::string_view utf8);

}  // namespace papyrka
