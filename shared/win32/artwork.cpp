#include "win32/artwork.h"

#include <iterator>

#include "base/suite.h"
#include "win32/dpi.h"
#include "win32/gdi.h"
#include "win32/wide.h"

namespace papyrka::win {

namespace {

constexpr COLORREF kBarFace = RGB(192, 192, 192);
constexpr COLORREF kBarLight = RGB(240, 240, 240);
constexpr COLORREF kBarShadow = RGB(96, 96, 96);
constexpr COLORREF kTitleRed = RGB(255, 32, 32);

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.get());
}

}  // namespace

void DrawRedGradient(HDC dc, const DeviceMapping& map, TwipsRect area) {
    const RECT rect = PixelRect(map, area);
    const int middle = map.X(area.left + area.width / 2);
    // One call for the whole ramp: every window repaints it on each hover change.
    TRIVERTEX ends[2] = {{rect.left, rect.top, 0xFF00, 0, 0, 0}, {middle, rect.bottom, 0, 0, 0, 0}};
    GRADIENT_RECT span{0, 1};
    if (!GradientFill(dc, ends, 2, &span, 1, GRADIENT_FILL_RECT_H)) Fill(dc, rect, RGB(128, 0, 0));
    Fill(dc, RECT{middle, rect.top, rect.right, rect.bottom}, RGB(0, 0, 0));
}

void DrawBevelBar(HDC dc, const DeviceMapping& map, TwipsRect area) {
    const RECT rect = PixelRect(map, area);
    const int edge = map.H(30) > 0 ? map.H(30) : 1;   // two pixels at 96 dpi
    Fill(dc, rect, kBarFace);
    Fill(dc, RECT{rect.left, rect.top, rect.right, rect.top + edge}, kBarLight);
    Fill(dc, RECT{rect.left, rect.bottom - edge, rect.right, rect.bottom}, kBarShadow);
}

void DrawSuiteTitle(HDC dc, const DeviceMapping& map, int widthTwips, FontCache& fonts) {
    static constexpr FontSpec kTitleFont{u"Times New Roman", 24, true, false};
    SaveDcGuard saved(dc);
    SelectObject(dc, fonts.Get(kTitleFont, map.dpiY));
    SetBkMode(dc, TRANSPARENT);
    RECT box = PixelRect(map, TwipsRect{0, 150, widthTwips, 690});
    RECT shadow = box;
    OffsetRect(&shadow, map.W(30), map.H(30));
    const UINT format = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    SetTextColor(dc, RGB(64, 0, 0));
    DrawTextW(dc, Wide(kSuiteTitle), static_cast<int>(kSuiteTitle.size()), &shadow, format);
    SetTextColor(dc, kTitleRed);
    DrawTextW(dc, Wide(kSuiteTitle), static_cast<int>(kSuiteTitle.size()), &box, format);
}

void DrawArrow(HDC dc, const DeviceMapping& map, TwipsRect box, bool pointsLeft) {
    // The outline in thousandths of the box, pointing right; mirrored for left.
    static constexpr POINT kShape[] = {{100, 360}, {520, 360}, {520, 140}, {920, 500},
                                       {520, 860}, {520, 640}, {100, 640}};
    POINT points[std::size(kShape)];
    for (size_t i = 0; i < std::size(kShape); ++i) {
        const int fx = pointsLeft ? 1000 - kShape[i].x : kShape[i].x;
        points[i].x = map.X(box.left + MulDiv(box.width, fx, 1000));
        points[i].y = map.Y(box.top + MulDiv(box.height, kShape[i].y, 1000));
    }
    Brush fill(CreateSolidBrush(RGB(255, 255, 0)));
    Pen outline(CreatePen(PS_SOLID, map.W(15) > 0 ? map.W(15) : 1, RGB(0, 0, 0)));
    SelectGuard brushGuard(dc, fill.get());
    SelectGuard penGuard(dc, outline.get());
    Polygon(dc, points, static_cast<int>(std::size(points)));
}

void DrawOvalButton(HDC dc, const DeviceMapping& map, TwipsRect box) {
    const RECT rect = PixelRect(map, box);
    Brush fill(CreateSolidBrush(RGB(204, 0, 0)));
    Pen outline(CreatePen(PS_SOLID, map.W(15) > 0 ? map.W(15) : 1, RGB(96, 0, 0)));
    SelectGuard brushGuard(dc, fill.get());
    SelectGuard penGuard(dc, outline.get());
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

namespace {

// A pointing hand on a 32 x 32 grid, index finger up; the hot spot is the fingertip.
constexpr POINT kHand[] = {{10, 2},  {11, 1},  {13, 1},  {14, 2},  {14, 11}, {16, 10}, {18, 11},
                           {19, 11}, {21, 11}, {22, 12}, {23, 12}, {25, 13}, {26, 14}, {26, 22},
                           {24, 27}, {24, 30}, {11, 30}, {11, 27}, {6, 21},  {4, 18},  {4, 16},
                           {6, 15},  {8, 16},  {10, 18}};

HCURSOR MakeHandCursor() {
    constexpr int kSize = 32;
    WindowDc screen(nullptr);
    Bitmap colour(CreateCompatibleBitmap(screen.get(), kSize, kSize));
    Bitmap mask(CreateBitmap(kSize, kSize, 1, 1, nullptr));
    HDC dc = CreateCompatibleDC(screen.get());
    if (!colour || !mask || !dc) {
        if (dc) DeleteDC(dc);
        return LoadCursorW(nullptr, IDC_HAND);
    }
    {
        // Colour image: black outside (the mask leaves the screen there), white hand, black outline.
        SelectGuard select(dc, colour.get());
        RECT all{0, 0, kSize, kSize};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
        SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        Polygon(dc, kHand, static_cast<int>(std::size(kHand)));
    }
    {
        // Mask: 0 where the hand is drawn, 1 where the screen shows through.
        SelectGuard select(dc, mask.get());
        RECT all{0, 0, kSize, kSize};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectGuard brush(dc, GetStockObject(BLACK_BRUSH));
        SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        Polygon(dc, kHand, static_cast<int>(std::size(kHand)));
    }
    DeleteDC(dc);
    ICONINFO info{};
    info.fIcon = FALSE;
    info.xHotspot = 12;
    info.yHotspot = 1;
    info.hbmMask = mask.get();
    info.hbmColor = colour.get();
    HCURSOR cursor = CreateIconIndirect(&info);   // copies the bitmaps
    return cursor ? cursor : LoadCursorW(nullptr, IDC_HAND);
}

}  // namespace

HCURSOR HandCursor() {
    static const HCURSOR cursor = MakeHandCursor();
    return cursor;
}

}  // namespace papyrka::win
