#include "win32/labels.h"

#include "win32/colour_ref.h"
#include "win32/dpi.h"
#include "win32/gdi.h"

namespace papyrka::win {

int LabelSet::Add(LabelSpec spec) {
    labels_.push_back(std::move(spec));
    return size() - 1;
}

int LabelSet::Find(std::string_view name) const {
    for (int i = 0; i < size(); ++i)
        if (labels_[i].name == name) return i;
    return -1;
}

RECT LabelSet::PixelRect(const DeviceMapping& map, int index) const {
    return win::PixelRect(map, labels_[index].rect);
}

int LabelSet::HitTest(POINT pixel, const DeviceMapping& map) const {
    for (int i = size() - 1; i >= 0; --i) {
        RECT rect = PixelRect(map, i);
        if (PtInRect(&rect, pixel)) return i;
    }
    return -1;
}

bool LabelSet::SetColour(HWND window, const DeviceMapping& map, int index, Colour colour) {
    if (index < 0 || index >= size() || labels_[index].colour == colour) return false;
    labels_[index].colour = colour;
    RECT rect = PixelRect(map, index);
    InvalidateRect(window, &rect, FALSE);
    return true;
}

bool LabelSet::SetCaption(HWND window, const DeviceMapping& map, int index, std::u16string caption) {
    if (index < 0 || index >= size() || labels_[index].caption == caption) return false;
    labels_[index].caption = std::move(caption);
    RECT rect = PixelRect(map, index);
    InvalidateRect(window, &rect, FALSE);
    return true;
}

HFONT LabelSet::FontOf(HDC dc, const DeviceMapping& map, FontCache& fonts, int index) const {
    const LabelSpec& label = labels_[index];
    const RECT rect = PixelRect(map, index);
    return fonts.Fitting(dc, label.font, map.dpiY, label.caption, SIZE{rect.right - rect.left, rect.bottom - rect.top},
                         LineFormat(label));
}

void LabelSet::Paint(HDC dc, const DeviceMapping& map, FontCache& fonts) const {
    SaveDcGuard saved(dc);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < size(); ++i) {
        const LabelSpec& label = labels_[i];
        RECT rect = PixelRect(map, i);
        SelectObject(dc, FontOf(dc, map, fonts, i));
        SetTextColor(dc, ColourRef(label.colour));
        UINT format = LineFormat(label) | DT_TOP | (label.singleLine ? DT_NOCLIP : 0u);
        if (label.align == Align::Centre) format |= DT_CENTER;
        if (label.align == Align::Right) format |= DT_RIGHT;
        DrawTextW(dc, Wide(label.caption), static_cast<int>(label.caption.size()), &rect, format);
    }
}

int LabelSet::Release(int indexUnderMouse) {
    const int pressed = pressed_;
    pressed_ = -1;
    return (pressed >= 0 && pressed == indexUnderMouse) ? pressed : -1;
}

}  // namespace papyrka::win
