#include "editor_face.h"

namespace papyrka::davavazo {

namespace {

constexpr int kBoxLeft = 2040;
constexpr int kBoxWidth = 3015;
constexpr int kCaptionRight = 1920;
constexpr int kCaptionLeft = 120;

constexpr TwipsRect Box(int top, int height) { return TwipsRect{kBoxLeft, top, kBoxWidth, height}; }
constexpr TwipsRect Caption(int top) { return TwipsRect{kCaptionLeft, top, kCaptionRight - kCaptionLeft, 255}; }

}  // namespace

const EditorFace& DavavazoEditorFace() {
    // Boxes in field order; on screen (and in the tab order) the column runs name, address,
    // phone 1, phone 2, company, e-mail, then the two notes.
    static const EditorFace face{
        u"Davavazo",
        "Label17",
        TwipsRect{5160, 120, 735, 255},
        {
            // control       rect             font        alignment    multi  scroll visible tab
            {"txtName",    Box(1800, 285), kLabelFont, Align::Left, false, false, true, 1},
            {"txtCompany", Box(2880, 285), kLabelFont, Align::Left, false, false, true, 4},
            {"txtPhone1",  Box(2160, 285), kLabelFont, Align::Left, false, false, true, 2},
            {"txtPhone2",  Box(3240, 285), kLabelFont, Align::Left, false, false, true, 5},
            {"txtFax",     Box(2520, 285), kLabelFont, Align::Left, false, false, true, 3},
            {"txtEmail",   Box(3600, 285), kLabelFont, Align::Left, false, false, true, 6},
            {"txtAddress", Box(3960, 525), kLabelFont, Align::Left, true, true, true, 7},
            {"txtMemo",    Box(4560, 525), kLabelFont, Align::Left, true, true, true, 8},
        },
        {
            {u"Priezvisko a meno :", Caption(1800)},
            {u"Adresa :", Caption(2160)},
            {u"Telefónne číslo 1 :", Caption(2520)},
            {u"Telefónne číslo 2 :", Caption(2880)},
            {u"Názov firmy :", Caption(3240)},
            {u"E - mail :", Caption(3600)},
            {u"Poznámky 1 :", Caption(3960)},
            {u"Poznámky 2 :", Caption(4560)},
        },
        TwipsRect{5160, 1680, 480, 480},   // Image1, previous record
        TwipsRect{5160, 2280, 480, 480},   // Image2, next record
    };
    return face;
}

}  // namespace papyrka::davavazo
