#pragma once
// Edit controls for record fields: they refuse what the record file cannot keep (typed:
// a beep; pasted: those characters are dropped, with a beep; either way a hint under the
// box says why), and Tab moves on to the next
// control in the parent's tab order, also out of a multi-line box, selecting the text of a
// single-line box it enters.
#include <windows.h>

#include "base/font_spec.h"

namespace papyrka::win {

struct EditStyle {
    bool multiLine = false;
    bool scrollBar = false;     // vertical, for multi-line boxes
    Align align = Align::Left;
    bool visible = true;
    bool wrapped = true;        // multi-line: lines wrap at the box's edge; else they scroll sideways
};

// A child edit control with the filter attached; nullptr when the system refused it.
HWND CreateStorableTextBox(HWND parent, int id, const EditStyle& style);

}  // namespace papyrka::win
