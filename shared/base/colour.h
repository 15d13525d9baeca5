#pragma once
// The suite's colours by name, portable: the same number a Windows COLORREF holds, so the
// Win32 side converts without reordering bytes. The design's own notation in comments.
#include <cstdint>

namespace papyrka {

using Colour = std::uint32_t;   // 0x00BBGGRR

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kLightGrey = 0xC0C0C0;
inline constexpr Colour kPink = 0xFFC0FF;       // &HFFC0FF, buttons at rest
inline constexpr Colour kYellow = 0x00FFFF;     // &H00FFFF, captions and "Koniec"
inline constexpr Colour kGreen = 0x00FF00;      // &H00FF00, a button under the mouse
inline constexpr Colour kDarkRed = 0x000080;    // &H000080, text boxes
inline constexpr Colour kLightBlue = 0xFF8080;  // &HFF8080, the about window's subject

}  // namespace papyrka
