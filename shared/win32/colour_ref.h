#pragma once
// The portable colours hold a COLORREF's own number; GDI gets them through this one door.
#include <windows.h>

#include "base/colour.h"

namespace papyrka::win {

constexpr COLORREF ColourRef(Colour colour) { return static_cast<COLORREF>(colour & 0x00FFFFFFu); }

}  // namespace papyrka::win
