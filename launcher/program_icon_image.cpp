#include "launcher/program_icon_image.h"

#include <algorithm>
#include <cmath>

namespace papyrka::launcher {

namespace {

// The figure on a 32-unit grid, y downwards: a head and limbs as round-ended strokes,
// striding to the right with the arms swinging against the legs.
struct Point {
    double x, y;
};
struct Stroke {
    Point from, to;
};

constexpr double kFrameWidth = 2.0;
constexpr double kLimbWidth = 2.6;
constexpr Point kHeadCentre{17.5, 5.5};
constexpr double kHeadRadius = 2.8;

constexpr Stroke kFigure[] = {
    {{17.0, 9.5}, {15.5, 18.0}},    // body
    {{16.8, 11.0}, {20.5, 14.0}},   // front upper arm
    {{20.5, 14.0}, {23.5, 16.5}},   // front forearm
    {{16.8, 11.0}, {13.0, 14.5}},   // back upper arm
    {{13.0, 14.5}, {10.5, 18.0}},   // back forearm
    {{15.5, 18.0}, {20.0, 22.0}},   // front thigh
    {{20.0, 22.0}, {21.5, 27.0}},   // front shin
    {{21.5, 27.0}, {24.5, 27.0}},   // front foot
    {{15.5, 18.0}, {13.5, 23.0}},   // back thigh
    {{13.5, 23.0}, {9.0, 26.0}},    // back shin
    {{9.0, 26.0}, {7.5, 24.0}},     // back foot, heel up
};

double DistanceToStroke(Point p, const Stroke& s) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - s.from.x) * dx + (p.y - s.from.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (s.from.x + t * dx), p.y - (s.from.y + t * dy));
}

bool InFigure(Point p) {
    if (std::hypot(p.x - kHeadCentre.x, p.y - kHeadCentre.y) <= kHeadRadius) return true;
    for (const Stroke& stroke : kFigure)
        if (DistanceToStroke(p, stroke) <= kLimbWidth / 2) return true;
    return false;
}

// A pixel is white when at least 40 % of a 4 x 4 grid of samples in it fall on the figure:
// without shades, this keeps thin limbs whole at 16 pixels.
bool FigurePixel(int x, int y, double unitsPerPixel) {
    constexpr int kSamples = 4;
    int hits = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
            const Point p{(x + (sx + 0.5) / kSamples) * unitsPerPixel, (y + (sy + 0.5) / kSamples) * unitsPerPixel};
            if (InFigure(p)) ++hits;
        }
    return hits * 10 >= kSamples * kSamples * 4;
}

}  // namespace

IconImage DrawProgramIcon(int size) {
    IconImage image;
    if (size <= 0) return image;
    image.size = size;
    image.pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), kIconBlack);
    const double unitsPerPixel = 32.0 / size;
    const int frame = std::max(1, static_cast<int>(std::lround(kFrameWidth / unitsPerPixel)));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool onFrame = x < frame || y < frame || x >= size - frame || y >= size - frame;
            std::uint8_t colour = kIconBlack;
            if (onFrame)
                colour = kIconGrey;
            else if (FigurePixel(x, y, unitsPerPixel))
                colour = kIconWhite;
            image.pixels[static_cast<std::size_t>(y * size + x)] = colour;
        }
    return image;
}

std::vector<std::uint8_t> PackedColourRows(const IconImage& image) {
    const std::size_t stride = static_cast<std::size_t>((image.size * 4 + 31) / 32 * 4);
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(image.size), 0);
    for (int y = 0; y < image.size; ++y) {
        std::uint8_t* row = &bits[stride * static_cast<std::size_t>(image.size - 1 - y)];
        for (int x = 0; x < image.size; ++x) {
            const std::uint8_t index = image.at(x, y) & 0x0F;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
    }
    return bits;
}

std::vector<std::uint8_t> PackedMaskRows(const IconImage& image) {
    const std::size_t stride = static_cast<std::size_t>((image.size + 31) / 32 * 4);
    return std::vector<std::uint8_t>(stride * static_cast<std::size_t>(image.size), 0);
}

}  // namespace papyrka::launcher
