#pragma once
// The card sheet Form1: ten identical business cards on one page, and which editor box
// feeds which line of every card.
#include <string>
#include <string_view>

#include "layout/layout.h"

namespace papyrka::vevuvez {

inline constexpr int kSheetWidth = 12000;
inline constexpr int kSheetHeight = 16995;
inline constexpr int kSlotCount = 10;
inline constexpr int kCardLineCount = 12;

struct CardSlot {
    int column, row;
    int left, top;   // of the card's outline on the sheet
};

struct CardLine {
    std::string_view source;   // editor text box that fills the line
    TwipsRect rect;            // from the card's top-left corner
    double points;
    bool bold;
    Align align;
};

// 1-based slot and line numbers, as the design's tables count them.
const CardSlot& Slot(int slot);
const CardLine& Line(int line);

inline constexpr TwipsRect kCardOutline{0, 0, 5115, 2850};
inline constexpr TwipsPoint kRuleFrom{120, 1080};
inline constexpr TwipsPoint kRuleTo{4920, 1080};

// The layout box of one card line: "Label1" is slot 1 line 1, "Label13" slot 2 line 1.
std::string CardLineBox(int slot, int line);

// The sheet as it is before the first print: outlines, rules, 120 empty framed lines.
Layout CardSheet();

// Twelve lines a slot, the same editor box for a line in every slot; txtName feeds none.
PrintPlan CardPrintPlan();

}  // namespace papyrka::vevuvez
