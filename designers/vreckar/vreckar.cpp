#include "designers/vreckar/vreckar.h"

#include <iterator>

namespace papyrka::vreckar {

namespace {

// The eight boxes under "OBSAH" hold, from top to bottom, fields 5, 2, 4, 6, 7, 8, 9, 10.
const RecordLayout kRecord{
    "Vreckar.dat",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo", "txt1", "txt2"},
};

constexpr int kContentsLeft = 2760;
constexpr int kContentsWidth = 3015;
constexpr int kRowHeight = 285;

constexpr TwipsRect ContentsRow(int line) { return TwipsRect{kContentsLeft, 2040 + 360 * (line - 1), kContentsWidth, kRowHeight}; }

// Tab order: name, number, then the contents lines from top to bottom.
const EditorFace kFace{
    u"Vreckar",
    "Label17",
    TwipsRect{5040, 120, 855, 255},
    {
        Box("txtName", {240, 2040, 2295, kRowHeight}),
        Box("txtPhone1", {240, 2760, 2295, kRowHeight}),
        Box("txtFax", ContentsRow(1)),
        Box("txtCompany", ContentsRow(2)),
        Box("txtPhone2", ContentsRow(3)),
        Box("txtEmail", ContentsRow(4)),
        Box("txtAddress", ContentsRow(5)),
        Box("txtMemo", ContentsRow(6)),
        Box("txt1", ContentsRow(7)),
        Box("txt2", ContentsRow(8)),
    },
    {
        Caption(u"Priezvisko a meno", {240, 1800, 2295, 240}).Left(),
        Caption(u"Identifikačné číslo CD", {240, 2520, 2295, 240}).Left(),
        Caption(u"OBSAH", {3960, 1800, 1815, 240}).Left().White(),
    },
    // The usual place of the arrows, at the window's right edge, lies on the contents
    // column; under the name and number they cover nothing.
    TwipsRect{840, 3600, 480, 480},    // Image1, previous record
    TwipsRect{1440, 3600, 480, 480},   // Image2, next record
};

// The sleeve Form1: 9945 x 16005 twips.
constexpr int kSleeveWidth = 9945;
constexpr int kSleeveHeight = 16005;

// The cutting and fold lines, each on the pixel that starts at its coordinates. The front
// panel's sides run on as folds into the top flap and down the back panel, its top and
// bottom edges as folds into both side flaps.
constexpr LineArt kOutline[] = {
    {{1425, 840}, {1425, 15525}},  {{8505, 840}, {8505, 15525}},   // front and back panel's sides
    {{855, 1410}, {9075, 1410}},   {{855, 8490}, {9075, 8490}},    // front panel's top and bottom
    {{1425, 840}, {1995, 270}},    {{1995, 270}, {7935, 270}},    {{7935, 270}, {8505, 840}},     // top flap
    {{855, 1410}, {285, 1980}},    {{285, 1980}, {285, 7920}},    {{285, 7920}, {855, 8490}},     // left flap
    {{9075, 1410}, {9645, 1980}},  {{9645, 1980}, {9645, 7920}},  {{9645, 7920}, {9075, 8490}},   // right flap
    {{1425, 15525}, {8505, 15525}},                                 // back panel's bottom edge
};

constexpr TwipsRect kCdMark{1635, 1635, 1500, 1035};
constexpr int kCdMarkCorner = 180;
// Set a little below the mark's top: a line's top holds the font's internal leading.
constexpr TextArt kCdLetters{u"CD", {1635, 1740, 1500, 930}, Sans(36, true), Align::Centre};

constexpr int kValueLeft = 3720;
constexpr int kValueWidth = 4575;
constexpr int kValueHeight = 375;
constexpr int kHeadingHeight = 360;   // down to the first box under the heading

struct Heading {
    std::u16string_view text;
    int top;
};

constexpr Heading kHeadings[] = {
    {u"Priezvisko a meno", 1920},
    {u"Identifikačné číslo CD", 2760},
    {u"Obsah CD", 3720},
};

struct ValueBox {
    std::string_view box;
    int top;
    std::string_view source;   // editor text box that fills it on "Vytlačiť"
};

constexpr ValueBox kValueBoxes[] = {
    {"Label1", 2280, "txtName"},      // owner's name
    {"Label2", 3120, "txtPhone1"},    // disc identification number
    {"Label3", 4080, "txtFax"},       // contents lines 1 to 8
    {"Label4", 4560, "txtCompany"},
    {"Label5", 5040, "txtPhone2"},
    {"Label6", 5520, "txtEmail"},
    {"Label7", 6000, "txtAddress"},
    {"Label8", 6480, "txtMemo"},
    {"Label14", 6960, "txt1"},
    {"Label15", 7440, "txt2"},
};

// All ten boxes, every time: an empty field empties its box.
PrintPlan SleevePrintPlan() {
    PrintPlan plan;
    for (const ValueBox& value : kValueBoxes) plan.push_back(BoxFill{std::string(value.box), value.source});
    return plan;
}

}  // namespace

Layout Sleeve() {
    std::vector<ArtItem> artwork(std::begin(kOutline), std::end(kOutline));
    artwork.push_back(FillArt{kCdMark, kLightGrey, kCdMarkCorner});
    artwork.push_back(kCdLetters);
    for (const Heading& heading : kHeadings)
        artwork.push_back(TextArt{heading.text, {kValueLeft, heading.top, kValueWidth, kHeadingHeight}, Sans(12, true)});

    std::vector<LayoutBox> boxes;
    for (const ValueBox& value : kValueBoxes) {
        LayoutBox box;
        box.name = std::string(value.box);
        box.rect = TwipsRect{kValueLeft, value.top, kValueWidth, kValueHeight};
        box.font = Sans(9.75, true);
        box.whiteBackground = true;
        box.framed = true;
        boxes.push_back(std::move(box));
    }
    return Layout(kSleeveWidth, kSleeveHeight, std::move(artwork), std::move(boxes));
}

const DesignerTables& VreckarDesigner() {
    static const DesignerTables tables{u"Vreckar", kRecord, kFace, &Sleeve, SleevePrintPlan(),
                                       ButtonAction::PrintChoiceMenu, ButtonAction::PrintLayout};
    return tables;
}

}  // namespace papyrka::vreckar
