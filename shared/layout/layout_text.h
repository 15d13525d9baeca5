#pragma once
// How a box's text falls into lines. The measuring is the device's (a callback), the rules
// are ours: line breaks in the text start new lines, a line wraps at the last space that
// lets it fit, and a single word wider than the box stays whole on its own line for the
// clipping to cut at the box's edges.
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "base/font_spec.h"

namespace papyrka {

struct TextLine {
    std::size_t start = 0;    // into the text
    std::size_t length = 0;   // without the spaces at which the line was broken
    int width = 0;            // as measured, device units
};

// Width of a piece of text in device units in the box's font.
using MeasureText = std::function<int(std::u16string_view)>;

// The first `maxLines` lines of `text` in a box `boxWidth` wide (lines further down could
// never show, so they are not worked out).
std::vector<TextLine> WrapText(std::u16string_view text, int boxWidth, const MeasureText& measure, int maxLines);

// Lines a box shows: those that fit wholly; the first line always, cut at the bottom edge
// if the box is lower than one line. Lines start `linePitch` apart (0: `lineHeight`).
int VisibleLineCount(int boxHeight, int lineHeight, int linePitch = 0);

// Where a line starts, from the box's left edge; negative when a centred or right-aligned
// line is wider than the box, so that the cut falls on both sides or on the left.
int LineOffset(Align align, int boxWidth, int lineWidth);

}  // namespace papyrka
