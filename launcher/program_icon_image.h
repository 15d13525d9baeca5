#pragma once
// The program icon, drawn from one geometry table at any size: a white walking figure on a
// black square with a grey frame, in the 16 standard colours. The running program makes its
// tray icon from it, and a build step writes the .exe's icon file from the same table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace papyrka::launcher {

struct PaletteColour {
    std::uint8_t red, green, blue;
};

// The 16 colours of the standard Windows palette, in its order.
inline constexpr std::array<PaletteColour, 16> kIconPalette{{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

inline constexpr std::uint8_t kIconBlack = 0;
inline constexpr std::uint8_t kIconGrey = 7;
inline constexpr std::uint8_t kIconWhite = 15;

// A square image of palette indices, rows from the top.
struct IconImage {
    int size = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

IconImage DrawProgramIcon(int size);

// The image as a 4-bit DIB stores it: rows from the bottom, each padded to 32 bits.
std::vector<std::uint8_t> PackedColourRows(const IconImage& image);
// The transparency mask of a 1-bit DIB, rows from the bottom: the square is opaque.
std::vector<std::uint8_t> PackedMaskRows(const IconImage& image);

}  // namespace papyrka::launcher
