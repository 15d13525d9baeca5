#pragma once
// The print-choice menu that several designer programs share: three ways to print the shown
// record, each copying the first lines of one fixed rule into the layout's Label1...Label8.
#include <string_view>

#include "layout/layout.h"

namespace papyrka {

inline constexpr std::u16string_view kPrintChoiceMenuCaption = u"Menu";

struct PrintChoice {
    std::string_view item;           // menu item name: cistaobalka, adresat, adodos
    std::u16string_view caption;
    int lines;                       // how many lines of the copy rule it fills, from line 1
};

inline constexpr PrintChoice kPrintChoices[] = {
    {"cistaobalka", u"Čistá obálka", 0},
    {"adresat", u"Adresát", 4},
    {"adodos", u"Adresát + Odosielateľ", 8},
};

struct CopyLine {
    std::string_view box;            // layout line
    std::string_view control;        // editor text box
};

// The same in every program, whatever the boxes mean there.
inline constexpr CopyLine kPrintChoiceCopyRule[] = {
    {"Label1", "txtName"},  {"Label2", "txtPhone1"}, {"Label3", "txtFax"},     {"Label4", "txtCompany"},
    {"Label5", "txtPhone2"}, {"Label6", "txtEmail"}, {"Label7", "txtAddress"}, {"Label8", "txtMemo"},
};

// Lines 1..choice.lines of the copy rule, in line order.
PrintPlan PrintChoicePlan(const PrintChoice& choice);

}  // namespace papyrka
