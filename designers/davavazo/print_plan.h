#pragma once
// What Davavazo prints: its whole list as plain lines, in list order.
#include <string>
#include <vector>

#include "layout/layout_text.h"
#include "record/record_list.h"

namespace papyrka::davavazo {

// "Davavazo", then per record an empty line and the eight labelled lines in the order of
// the editor's column. A line break inside a field starts a new line.
std::vector<std::u16string> ContactListLines(const RecordList& list);

struct PrintedLine {
    int indent = 0;   // device units from the left margin
    std::u16string text;
};

// `lines` fitted to `width` device units: tabs become spaces, and a line wider than the
// width wraps at spaces (a word wider than the width at characters), its continuation
// lines indented under the text after the label ("Adresa : ").
std::vector<PrintedLine> FitToWidth(const std::vector<std::u16string>& lines, int width, const MeasureText& measure);

}  // namespace papyrka::davavazo
