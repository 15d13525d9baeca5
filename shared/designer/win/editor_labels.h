#pragma once
// The labels of the record editor window: the button row, the exit label, the position
// line, the program's title and the field captions of its editor face.
#include <vector>

#include "designer/editor_face.h"
#include "win32/labels.h"

namespace papyrka {

inline constexpr FontSpec kTitleFont{};   // the form's default: MS Sans Serif 8.25, plain

// The title label's rectangle: as designed while the text fits, else widened to the left,
// so that its right edge stays put.
TwipsRect FittedTitle(TwipsRect designed, int textWidthTwips);

// Every label of Form3, in the order they are added to its set. Label9 takes clicks only
// where the program gives it an action.
std::vector<win::LabelSpec> EditorLabels(const EditorFace& face, bool label9Acts, int titleWidthTwips);

// Labels that turn green under the mouse and get these colours back over the background.
struct HoverLabel {
    std::string_view name;
    Colour restingColour;
};
inline constexpr HoverLabel kHoverLabels[] = {
    {"Label10", kPink}, {"Label11", kPink}, {"Label12", kPink},
    {"Label13", kPink}, {"Label14", kPink}, {"Label19", kYellow},
};

}  // namespace papyrka
