#include "layout/win/layout_draw.h"

#include <algorithm>
#include <variant>

#include "win32/colour_ref.h"
#include "win32/dpi.h"
#include "win32/gdi.h"
#include "layout/layout_text.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr int kScreenPixelTwips = 15;

// Fills through the DC brush, so that drawing a page creates no brush at all.
void FillSolid(HDC dc, const RECT& rect, Colour colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    SetDCBrushColor(dc, ColourRef(colour));
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

class ArtPainter {
public:
    ArtPainter(HDC dc, const DeviceMapping& map, FontCache& fonts)
        : dc_(dc), map_(map), fonts_(fonts), tx_(LineThicknessX(map)), ty_(LineThicknessY(map)) {}

    void operator()(const FillArt& fill) const;
    void operator()(const FrameArt& frame) const;
    void operator()(const LineArt& line) const;
    void operator()(const TextArt& text) const;

    void Box(const LayoutBox& box) const;

private:
    void Outline(const RECT& r) const;
    void Text(const RECT& area, int inset, std::u16string_view text, const FontSpec& font, Align align,
              Colour colour, int linePitch = 0) const;

    HDC dc_;
    const DeviceMapping& map_;
    FontCache& fonts_;
    int tx_, ty_;
};

void ArtPainter::operator()(const FillArt& fill) const {
    const RECT r = win::PixelRect(map_, fill.rect);
    if (fill.cornerRadius <= 0) return FillSolid(dc_, r, fill.colour);
    SaveDcGuard saved(dc_);
    SelectObject(dc_, GetStockObject(NULL_PEN));
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, ColourRef(fill.colour));
    // Without a pen the shape comes out one pixel smaller on the right and at the bottom.
    RoundRect(dc_, r.left, r.top, r.right + 1, r.bottom + 1, 2 * map_.W(fill.cornerRadius),
              2 * map_.H(fill.cornerRadius));
}

void ArtPainter::operator()(const FrameArt& frame) const {
    const RECT r = win::PixelRect(map_, frame.rect);
    if (frame.cornerRadius <= 0) return Outline(r);
    // A pen's outline lands half its width outside the rectangle on some printer drivers,
    // while areas land where they are told: the frame is the rounded area with its inside,
    // one line thickness in, cut away.
    const int rx = 2 * map_.W(frame.cornerRadius), ry = 2 * map_.H(frame.cornerRadius);
    Region inside(CreateRoundRectRgn(r.left + tx_, r.top + ty_, r.right - tx_ + 1, r.bottom - ty_ + 1,
                                     std::max(0, rx - 2 * tx_), std::max(0, ry - 2 * ty_)));
    if (!inside) return;
    SaveDcGuard saved(dc_);
    if (ExtSelectClipRgn(dc_, inside.get(), RGN_DIFF) == ERROR) return;
    SelectObject(dc_, GetStockObject(NULL_PEN));
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, RGB(0, 0, 0));
    RoundRect(dc_, r.left, r.top, r.right + 1, r.bottom + 1, rx, ry);
}

void ArtPainter::operator()(const LineArt& line) const {
    const int x1 = map_.X(line.from.x), y1 = map_.Y(line.from.y);
    const int x2 = map_.X(line.to.x), y2 = map_.Y(line.to.y);
    // Straight lines are filled rectangles covering both end points: exact at any resolution.
    if (y1 == y2) return FillSolid(dc_, RECT{std::min(x1, x2), y1, std::max(x1, x2) + tx_, y1 + ty_}, kBlack);
    if (x1 == x2) return FillSolid(dc_, RECT{x1, std::min(y1, y2), x1 + tx_, std::max(y1, y2) + ty_}, kBlack);
    LOGBRUSH brush{BS_SOLID, RGB(0, 0, 0), 0};
    const int width = std::max(tx_, ty_);
    Pen pen(width == 1 ? CreatePen(PS_SOLID, 1, RGB(0, 0, 0))
                       : ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE, static_cast<DWORD>(width),
                                      &brush, 0, nullptr));
    if (!pen) return;
    SaveDcGuard saved(dc_);
    SelectObject(dc_, pen.get());
    // A pen is centred on its path, while a straight line's pixels start at its coordinate:
    // shifted by half the thickness, a slanted edge meets the corners of the straight ones.
    const int shiftX = tx_ / 2, shiftY = ty_ / 2;
    MoveToEx(dc_, x1 + shiftX, y1 + shiftY, nullptr);
    LineTo(dc_, x2 + shiftX, y2 + shiftY);
}

void ArtPainter::operator()(const TextArt& text) const {
    Text(win::PixelRect(map_, text.rect), 0, text.text, text.font, text.align, text.colour);
}

void ArtPainter::Box(const LayoutBox& box) const {
    const RECT r = win::PixelRect(map_, box.rect);
    if (box.whiteBackground) FillSolid(dc_, r, kWhite);
    RECT area = r;
    if (box.framed) InflateRect(&area, -tx_, -ty_);   // the text stays inside the frame
    // In a frame the text keeps one screen pixel from the side lines, so that they never
    // merge with the first or last letter.
    Text(area, box.framed ? tx_ : 0, box.text, box.font, box.align, box.colour, box.linePitch);
    if (box.framed) Outline(r);
}

void ArtPainter::Outline(const RECT& r) const {
    FillSolid(dc_, RECT{r.left, r.top, r.right, r.top + ty_}, kBlack);
    FillSolid(dc_, RECT{r.left, r.bottom - ty_, r.right, r.bottom}, kBlack);
    FillSolid(dc_, RECT{r.left, r.top, r.left + tx_, r.bottom}, kBlack);
    FillSolid(dc_, RECT{r.right - tx_, r.top, r.right, r.bottom}, kBlack);
}

void ArtPainter::Text(const RECT& area, int inset, std::u16string_view text, const FontSpec& font, Align align,
                      Colour colour, int linePitch) const {
    if (text.empty() || area.right <= area.left || area.bottom <= area.top) return;
    SaveDcGuard saved(dc_);
    // Nothing of a box's text may reach past the box: the clip region cuts every glyph,
    // including a word wider than the box and the lower part of a line that does not fit.
    IntersectClipRect(dc_, area.left, area.top, area.right, area.bottom);
    SelectObject(dc_, fonts_.Get(font, map_.dpiY));
    SetTextColor(dc_, ColourRef(colour));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);

    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) return;
    const int lineHeight = metrics.tmHeight;
    const MeasureText measure = [this](std::u16string_view piece) {
        SIZE size{};
        GetTextExtentPoint32W(dc_, Wide(piece), static_cast<int>(piece.size()), &size);
        return static_cast<int>(size.cx);
    };
    const int width = area.right - area.left - 2 * inset;
    const int pitch = linePitch > 0 ? std::max(1, map_.H(linePitch)) : lineHeight;
    const int maxLines = VisibleLineCount(area.bottom - area.top, lineHeight, pitch);
    int y = area.top;
    for (const TextLine& line : WrapText(text, width, measure, maxLines)) {
        const int x = area.left + inset + LineOffset(align, width, line.width);
        ExtTextOutW(dc_, x, y, ETO_CLIPPED, &area, Wide(text.substr(line.start)), static_cast<UINT>(line.length),
                    nullptr);
        y += pitch;
    }
}

}  // namespace

int LineThicknessX(const DeviceMapping& map) { return std::max(1, map.W(kScreenPixelTwips)); }
int LineThicknessY(const DeviceMapping& map) { return std::max(1, map.H(kScreenPixelTwips)); }

void DrawLayout(HDC dc, const DeviceMapping& map, const Layout& layout, FontCache& fonts) {
    SaveDcGuard saved(dc);
    FillSolid(dc, win::PixelRect(map, TwipsRect{0, 0, layout.width(), layout.height()}), kWhite);
    const ArtPainter painter(dc, map, fonts);
    for (const ArtItem& item : layout.artwork()) std::visit(painter, item);
    for (const LayoutBox& box : layout.boxes()) painter.Box(box);
}

}  // namespace papyrka::win
