#pragma once
// A program's icon drawn from a geometry table at any size, in the 16 standard colours: the
// running program can make its icon from it, and a build step writes the .exe's icon file
// from the same table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace papyrka::icon {

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
inline constexpr std::uint8_t kIconMaroon = 1;
inline constexpr std::uint8_t kIconGreen = 2;
inline constexpr std::uint8_t kIconOlive = 3;
inline constexpr std::uint8_t kIconNavy = 4;
inline constexpr std::uint8_t kIconPurple = 5;
inline constexpr std::uint8_t kIconTeal = 6;
inline constexpr std::uint8_t kIconGrey = 7;
inline constexpr std::uint8_t kIconDarkGrey = 8;
inline constexpr std::uint8_t kIconRed = 9;
inline constexpr std::uint8_t kIconYellow = 11;
inline constexpr std::uint8_t kIconBlue = 12;
inline constexpr std::uint8_t kIconWhite = 15;

// Geometry on a 32-unit square, y downwards.
struct Point {
    double x, y;
};

// A round-ended stroke, a disc (a ring when `hole` > 0) or a box (an outline when `border` > 0).
struct Shape {
    enum class Kind { Stroke, Disc, Box } kind;
    Point a, b;      // stroke ends; disc centre; box corners
    double size;     // stroke width; disc radius; box border (0: filled)
    double hole = 0;
};

constexpr Shape Stroke(Point from, Point to, double width) { return {Shape::Kind::Stroke, from, to, width}; }
constexpr Shape Disc(Point centre, double radius, double hole = 0) {
    return {Shape::Kind::Disc, centre, centre, radius, hole};
}
constexpr Shape Box(Point topLeft, Point bottomRight, double border = 0) {
    return {Shape::Kind::Box, topLeft, bottomRight, border};
}

// Shapes of one colour; later layers paint over earlier ones.
struct Layer {
    std::uint8_t colour;
    std::vector<Shape> shapes;
};

// A square of `background` inside a frame, the layers on it.
struct Pictogram {
    std::uint8_t background;
    std::uint8_t frame;
    double frameWidth;
    std::vector<Layer> layers;
};

// A square image of palette indices, rows from the top.
struct IconImage {
    int size = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

IconImage DrawPictogram(const Pictogram& pictogram, int size);

// The image as a 4-bit DIB stores it: rows from the bottom, each padded to 32 bits.
std::vector<std::uint8_t> PackedColourRows(const IconImage& image);
// The transparency mask of a 1-bit DIB, rows from the bottom: the square is opaque.
std::vector<std::uint8_t> PackedMaskRows(const IconImage& image);

}  // namespace papyrka::icon
