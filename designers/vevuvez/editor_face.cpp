#include "editor_face.h"

namespace papyrka::vevuvez {

namespace {

constexpr FontSpec Sans(double points, bool bold) { return FontSpec{u"MS Sans Serif", points, bold, false}; }

}  // namespace

const EditorFace& VevuvezEditorFace() {
    // Boxes in field order; the tab order runs from the identifier down the card: the four
    // centred lines, then the left column, then the right one.
    static const EditorFace face{
        u"Vevuvez",
        "Label17",
        TwipsRect{5160, 120, 735, 255},
        {
            // control      left  top   width height   font              alignment   multi  scroll visible tab
            {"txtName",    {600, 1800, 375, 285}, Sans(8.25, true), Align::Left, false, false, true, 1},
            {"txtCompany", {600, 3240, 4815, 285}, Sans(9.75, false), Align::Centre, false, false, true, 4},
            {"txtPhone1",  {600, 2280, 4815, 495}, Sans(17.25, false), Align::Centre, false, false, true, 2},
            {"txtPhone2",  {600, 3480, 4815, 285}, Sans(9.75, false), Align::Centre, true, false, true, 5},
            {"txtFax",     {600, 2760, 4815, 480}, Sans(13.5, false), Align::Centre, false, false, true, 3},
            {"txtEmail",   {600, 3840, 2295, 285}, Sans(8.25, true), Align::Left, true, false, true, 6},
            {"txtAddress", {600, 4080, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 7},
            {"txtMemo",    {600, 4320, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 8},
            {"txt1",       {600, 4560, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 9},
            {"txt2",       {3120, 3840, 2295, 285}, Sans(8.25, true), Align::Left, false, false, true, 10},
            {"txt3",       {3120, 4080, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 11},
            {"txt4",       {3120, 4320, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 12},
            {"txt5",       {3120, 4560, 2295, 285}, Sans(8.25, false), Align::Left, false, false, true, 13},
        },
        {
            // "ID :" stands in front of txtName, sized to its text (yellow, bold: the editor's).
            {u"ID :", TwipsRect{240, 1800, 300, 195}, Align::Left},
        },
        TwipsRect{4080, 4920, 480, 480},   // Image1, previous record
        TwipsRect{4680, 4920, 480, 480},   // Image2, next record
    };
    return face;
}

}  // namespace papyrka::vevuvez
