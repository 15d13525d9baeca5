#include "launcher/win/about_picture.h"

#include <iterator>
#include <vector>

#include "win32/gdi.h"

namespace papyrka::launcher {

namespace {

// Geometry in pixels of the 89 x 99 design; every pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

struct Shape {
    std::vector<POINT> outline;
    COLORREF fill;
    COLORREF edge;
};

const Shape kBackSheet{{{16, 14}, {70, 8}, {80, 84}, {24, 90}}, RGB(200, 188, 150), RGB(90, 70, 40)};
const Shape kFrontSheet{{{9, 10}, {62, 10}, {75, 23}, {75, 92}, {9, 92}}, RGB(255, 250, 228), RGB(90, 70, 40)};
const Shape kFold{{{62, 10}, {62, 23}, {75, 23}}, RGB(222, 210, 176), RGB(90, 70, 40)};
const Shape kQuill{{{87, 2}, {80, 5}, {70, 15}, {59, 31}, {50, 48}, {46, 58}, {49, 56}, {58, 42}, {71, 25}, {83, 11}},
                   RGB(220, 30, 30), RGB(110, 0, 0)};
const Shape kNib{{{46, 58}, {42, 69}, {49, 60}}, RGB(20, 20, 20), RGB(20, 20, 20)};

struct Line {
    int y, left, right;
};
constexpr Line kWriting[] = {{30, 17, 56}, {38, 17, 66}, {46, 17, 62}, {54, 17, 50}, {62, 17, 66}, {70, 17, 58}, {80, 40, 66}};
constexpr COLORREF kInk = RGB(40, 40, 120);

class Painter {
public:
    Painter(HDC dc, const DeviceMapping& map, TwipsRect box) : dc_(dc), map_(map), box_(box) {}

    POINT At(int x, int y) const {
        return POINT{map_.X(box_.left + x * kTwipsPerPixel), map_.Y(box_.top + y * kTwipsPerPixel)};
    }
    int Pixel() const { return map_.W(kTwipsPerPixel) > 0 ? map_.W(kTwipsPerPixel) : 1; }

    void Fill(const Shape& shape) const {
        std::vector<POINT> points;
        for (const POINT& p : shape.outline) points.push_back(At(p.x, p.y));
        win::Brush brush(CreateSolidBrush(shape.fill));
        win::Pen pen(CreatePen(PS_SOLID, Pixel(), shape.edge));
        if (!brush || !pen) return;
        win::SelectGuard selectBrush(dc_, brush.get());
        win::SelectGuard selectPen(dc_, pen.get());
        Polygon(dc_, points.data(), static_cast<int>(points.size()));
    }

    void Rule(const Line& line, COLORREF colour, int thickness) const {
        const POINT from = At(line.left, line.y), to = At(line.right, line.y);
        RECT rect{from.x, from.y, to.x, from.y + thickness * Pixel()};
        win::Brush brush(CreateSolidBrush(colour));
        if (brush) FillRect(dc_, &rect, brush.get());
    }

    void Backdrop() const {
        const POINT topLeft = At(0, 0), bottomRight = At(89, 99);
        RECT rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
        win::Brush face(CreateSolidBrush(RGB(24, 24, 48)));
        win::Brush frame(CreateSolidBrush(RGB(192, 192, 192)));
        if (face) FillRect(dc_, &rect, face.get());
        if (frame) FrameRect(dc_, &rect, frame.get());
    }

private:
    HDC dc_;
    DeviceMapping map_;
    TwipsRect box_;
};

}  // namespace

void DrawAboutPicture(HDC dc, const DeviceMapping& map, TwipsRect box) {
    const Painter painter(dc, map, box);
    win::SaveDcGuard saved(dc);
    painter.Backdrop();
    painter.Fill(kBackSheet);
    painter.Fill(kFrontSheet);
    painter.Fill(kFold);
    for (const Line& line : kWriting) painter.Rule(line, kInk, 2);
    painter.Fill(kQuill);
    painter.Fill(kNib);
}

}  // namespace papyrka::launcher
