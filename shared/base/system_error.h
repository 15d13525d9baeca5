#pragma once
// The system's own words for an error code (Win32: FormatMessage), as every message of the
// suite quotes them: without the closing full stop, followed by the code, so that a caller
// can end its sentence itself.
#include <string>

namespace papyrka {

std::u16string SystemErrorText(unsigned long code);

}  // namespace papyrka
