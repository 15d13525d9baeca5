#pragma once
// How a designer program lays out its record editor window: the bound text boxes (one per
// field, in field order), their captions, the title label and the two arrow images.
// Positions are twips in the 6000 x 6000 client area. Each program fills one in its folder.
#include <string_view>
#include <vector>

#include "base/font_spec.h"
#include "base/twips.h"

namespace papyrka {

struct TextBoxSpec {
    std::string_view control;        // must match the field's control in the RecordLayout
    TwipsRect rect;
    FontSpec font = kLabelFont;
    Align align = Align::Left;
    bool multiLine = false;          // accepts line breaks
    bool scrollBar = false;          // vertical scroll bar
    bool visible = true;
    int tabOrder = 0;                // 1-based; 0 keeps field order
};

struct CaptionSpec {
    std::u16string_view text;        // yellow, bold, transparent
    TwipsRect rect;
    Align align = Align::Right;
};

struct EditorFace {
    std::u16string_view programName;     // title label caption, e.g. "Davavazo"
    std::string_view titleLabel = "Label17";
    TwipsRect titleRect{5160, 120, 735, 255};
    std::vector<TextBoxSpec> boxes;      // field order
    std::vector<CaptionSpec> captions;
    TwipsRect image1{5160, 1680, 480, 480};   // previous record
    TwipsRect image2{5160, 2280, 480, 480};   // next record
};

}  // namespace papyrka
