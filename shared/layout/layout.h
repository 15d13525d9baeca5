#pragma once
// A printed piece as data: its size, the artwork drawn from geometry, and the named boxes
// that print actions fill. Everything is in twips from the layout's top-left corner; the
// Win32 side turns it into device units only when it draws.
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/colour.h"
#include "base/font_spec.h"
#include "base/twips.h"

namespace papyrka {

struct TwipsPoint {
    int x = 0, y = 0;
};

// Artwork. Lines and outlines are one screen pixel (15 twips) thick and lie inside the
// geometry they are given, so an outline's pixels never reach past its rectangle.
struct FillArt {            // a solid area, e.g. a grey band or mark
    TwipsRect rect;
    Colour colour = kLightGrey;
    int cornerRadius = 0;   // twips; 0 for square corners
};

struct FrameArt {           // an unfilled black outline
    TwipsRect rect;
    int cornerRadius = 0;
};

struct LineArt {            // a black line, straight or slanted
    TwipsPoint from, to;
};

struct TextArt {            // a fixed heading, laid out like a box's text
    std::u16string_view text;
    TwipsRect rect;
    FontSpec font;
    Align align = Align::Left;
    Colour colour = kBlack;
};

using ArtItem = std::variant<FillArt, FrameArt, LineArt, TextArt>;

// A box that shows one text: drawn from its top edge, wrapped at spaces, never outside it.
struct LayoutBox {
    std::string name;                 // "Label1", ...
    TwipsRect rect;
    FontSpec font;
    Align align = Align::Left;
    Colour colour = kBlack;
    bool whiteBackground = false;     // otherwise transparent
    bool framed = false;              // thin black frame on the box's edge
    std::u16string text;              // the starting text; then the last one set
    int linePitch = 0;                // twips from one line's top to the next; 0: the font's height
};

class Layout {
public:
    Layout(int widthTwips, int heightTwips, std::vector<ArtItem> artwork, std::vector<LayoutBox> boxes);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<ArtItem>& artwork() const { return artwork_; }
    const std::vector<LayoutBox>& boxes() const { return boxes_; }

    int Find(std::string_view name) const;   // index in boxes(), -1 when there is no such box
    // Replaces the whole text, unchanged; false (and nothing changes) for an unknown name.
    bool SetText(std::string_view name, std::u16string text);
    std::u16string_view Text(std::string_view name) const;   // empty for an unknown name

private:
    int width_;
    int height_;
    std::vector<ArtItem> artwork_;
    std::vector<LayoutBox> boxes_;
};

// Which editor text box feeds which layout box when a print action fills the layout.
struct BoxFill {
    std::string box;             // layout box
    std::string_view control;    // editor text box
};
using PrintPlan = std::vector<BoxFill>;
using BoxTextSource = std::function<std::u16string(std::string_view control)>;

// Sets every box of the plan, in plan order, to its control's text; boxes the plan does not
// name keep what they hold. False when the plan names a box the layout lacks.
bool FillLayout(Layout& layout, const PrintPlan& plan, const BoxTextSource& textOf);

}  // namespace papyrka
