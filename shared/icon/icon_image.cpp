#include "icon/icon_image.h"

#include <algorithm>
#include <cmath>

namespace papyrka::icon {

namespace {

double DistanceToStroke(Point p, Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - from.x) * dx + (p.y - from.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (from.x + t * dx), p.y - (from.y + t * dy));
}

bool InBox(Point p, Point topLeft, Point bottomRight, double inset) {
    return p.x >= topLeft.x + inset && p.x <= bottomRight.x - inset && p.y >= topLeft.y + inset &&
           p.y <= bottomRight.y - inset;
}

bool InShape(Point p, const Shape& shape) {
    switch (shape.kind) {
        case Shape::Kind::Stroke:
            return DistanceToStroke(p, shape.a, shape.b) <= shape.size / 2;
        case Shape::Kind::Disc: {
            const double distance = std::hypot(p.x - shape.a.x, p.y - shape.a.y);
            return distance <= shape.size && distance >= shape.hole;
        }
        case Shape::Kind::Box:
            return InBox(p, shape.a, shape.b, 0) && (shape.size <= 0 || !InBox(p, shape.a, shape.b, shape.size));
    }
    return false;
}

bool InLayer(Point p, const Layer& layer) {
    for (const Shape& shape : layer.shapes)
        if (InShape(p, shape)) return true;
    return false;
}

// A pixel takes a layer's colour when at least 40 % of a 4 x 4 grid of samples in it fall on
// the layer: without shades, this keeps thin strokes whole at 16 pixels.
bool LayerPixel(const Layer& layer, int x, int y, double unitsPerPixel) {
    constexpr int kSamples = 4;
    int hits = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
            const Point p{(x + (sx + 0.5) / kSamples) * unitsPerPixel, (y + (sy + 0.5) / kSamples) * unitsPerPixel};
            if (InLayer(p, layer)) ++hits;
        }
    return hits * 10 >= kSamples * kSamples * 4;
}

}  // namespace

IconImage DrawPictogram(const Pictogram& pictogram, int size) {
    IconImage image;
    if (size <= 0) return image;
    image.size = size;
    image.pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), pictogram.background);
    const double unitsPerPixel = 32.0 / size;
    const int frame = std::max(1, static_cast<int>(std::lround(pictogram.frameWidth / unitsPerPixel)));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            std::uint8_t& pixel = image.pixels[static_cast<std::size_t>(y * size + x)];
            if (x < frame || y < frame || x >= size - frame || y >= size - frame) {
                pixel = pictogram.frame;
                continue;
            }
            for (const Layer& layer : pictogram.layers)
                if (LayerPixel(layer, x, y, unitsPerPixel)) pixel = layer.colour;
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

}  // namespace papyrka::icon
