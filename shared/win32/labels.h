#pragma once
// Windowless labels, drawn by their form: captions, and labels that act as buttons
// (hand cursor, hover colour, click on release inside the label that took the press).
// The form dispatches: MouseMove over a label -> that label's handler, elsewhere -> the
// form's own; the set only keeps geometry, colours and the pressed label.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/colour.h"
#include "base/font_spec.h"
#include "base/twips.h"
#include "win32/fonts.h"
#include "win32/wide.h"

namespace papyrka::win {

struct LabelSpec {
    std::string_view name;             // "Label13"
    std::u16string caption;
    TwipsRect rect;
    Colour colour = kWhite;
    Align align = Align::Left;
    bool clickable = false;            // hand cursor, click
    FontSpec font = kLabelFont;
    // One line, never wrapped: the caption is drawn smaller where the system's face would
    // make it wider than its rectangle.
    bool singleLine = false;
    // Takes clicks under the arrow cursor instead of the hand, where the design has it so.
    bool handCursor = true;
};

// How DrawTextW lays out a label's caption: one line, or words wrapped inside its rectangle.
inline UINT LineFormat(const LabelSpec& label) {
    return DT_NOPREFIX | (label.singleLine ? DT_SINGLELINE : DT_WORDBREAK);
}

class LabelSet {
public:
    int Add(LabelSpec spec);                          // returns its index
    int Find(std::string_view name) const;           // -1 when absent
    int HitTest(POINT pixel, const DeviceMapping& map) const;   // topmost label or -1
    const LabelSpec& operator[](int index) const { return labels_[index]; }
    int size() const { return static_cast<int>(labels_.size()); }

    // Both return true when something changed, and invalidate the label's area of `window`.
    bool SetColour(HWND window, const DeviceMapping& map, int index, Colour colour);
    bool SetCaption(HWND window, const DeviceMapping& map, int index, std::u16string caption);

    void Paint(HDC dc, const DeviceMapping& map, FontCache& fonts) const;
    // The font label `index` is painted in: its own, or smaller until its caption, drawn on
    // `dc` in LineFormat, lies wholly inside its rectangle.
    HFONT FontOf(HDC dc, const DeviceMapping& map, FontCache& fonts, int index) const;

    // Mouse press bookkeeping: a click is a release over the label that took the press.
    void Press(int index) { pressed_ = index; }
    int Release(int indexUnderMouse);                 // the clicked label or -1

    RECT PixelRect(const DeviceMapping& map, int index) const;

private:
    std::vector<LabelSpec> labels_;
    int pressed_ = -1;
};

}  // namespace papyrka::win
