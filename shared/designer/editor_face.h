#pragma once
// How a designer program lays out its record editor window: a text box for every field, in
// tab order, the captions beside them, the title label and the two arrow images. Positions
// are twips in the 6000 x 6000 client area. Rows read like the window's own tables:
//     Box("txtPhone1", {720, 2040, 2175, 200}).Font(Sans(9.75)).Centred()
//     Caption(u"ID :", {120, 1800, 300, 195}).Left()
#include <string_view>
#include <vector>

#include "base/colour.h"
#include "base/font_spec.h"
#include "base/twips.h"
#include "layout/layout.h"

namespace papyrka {


constexpr FontSpec Sans(double points, bool bold = false) { return FontSpec{u"MS Sans Serif", points, bold, false}; }

struct TextBoxSpec {
    std::string_view control;        // a field's control in the RecordLayout, same case
    TwipsRect rect;
    FontSpec font = kLabelFont;
    Align align = Align::Left;
    bool multiLine = false;          // accepts line breaks
    bool scrollBar = false;          // vertical scroll bar
    bool visible = true;             // a hidden box still carries its field to and from the file

    constexpr TextBoxSpec Font(FontSpec f) const { TextBoxSpec s = *this; s.font = f; return s; }
    constexpr TextBoxSpec Centred() const { TextBoxSpec s = *this; s.align = Align::Centre; return s; }
    constexpr TextBoxSpec MultiLine() const { TextBoxSpec s = *this; s.multiLine = true; return s; }
    constexpr TextBoxSpec Scrolled() const { TextBoxSpec s = MultiLine(); s.scrollBar = true; return s; }
};

constexpr TextBoxSpec Box(std::string_view control, TwipsRect rect) { return TextBoxSpec{control, rect}; }
constexpr TextBoxSpec HiddenBox(std::string_view control) {
    TextBoxSpec s{control, {}};
    s.visible = false;
    return s;
}

struct CaptionSpec {                 // transparent; yellow, bold, right-aligned unless told
    std::u16string_view text;
    TwipsRect rect;
    Align align = Align::Right;
    Colour colour = kYellow;
    FontSpec font = kLabelFont;

    constexpr CaptionSpec Left() const { CaptionSpec s = *this; s.align = Align::Left; return s; }
    constexpr CaptionSpec White() const { CaptionSpec s = *this; s.colour = kWhite; return s; }
    constexpr CaptionSpec Font(FontSpec f) const { CaptionSpec s = *this; s.font = f; return s; }
};

constexpr CaptionSpec Caption(std::u16string_view text, TwipsRect rect) { return CaptionSpec{text, rect}; }

struct EditorFace {
    std::u16string_view programName;              // the title label's caption
    std::string_view titleLabel = "Label17";
    TwipsRect titleRect{5160, 120, 735, 255};     // widened to the left when the name is wider
    std::vector<TextBoxSpec> boxes;               // tab order; every field of the record once
    std::vector<CaptionSpec> captions;
    TwipsRect image1{5160, 1680, 480, 480};       // previous record
    TwipsRect image2{5160, 2280, 480, 480};       // next record
};

}  // namespace papyrka
