#include "designers/zozuraz/zozuraz.h"

namespace papyrka::zozuraz {

namespace {

// Fields 7 to 10 mean nothing and are never shown, but the file carries them.
const RecordLayout kRecord{
    "Zozuraz.dat",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo", "txt1",
     "txt2"},
};

// The hidden boxes are multi-line: a line break the file holds in one of them is then kept
// by every save, whatever a system's single-line box makes of line breaks.
const EditorFace kFace{
    u"Rirudiv",
    "Label17",
    TwipsRect{5280, 120, 615, 255},
    {
        Box("txtName", {120, 2040, 375, 285}),
        Box("txtPhone1", {600, 2040, 5295, 285}),
        Box("txtFax", {120, 2640, 3495, 285}),
        Box("txtCompany", {3720, 2640, 2175, 285}),
        Box("txtPhone2", {120, 3240, 5775, 285}).MultiLine(),
        Box("txtEmail", {120, 3840, 5775, 1125}).Scrolled(),
        HiddenBox("txtAddress").MultiLine(),
        HiddenBox("txtMemo").MultiLine(),
        HiddenBox("txt1").MultiLine(),
        HiddenBox("txt2").MultiLine(),
    },
    {
        Caption(u"ID :", {120, 1800, 375, 195}).Left(),
        Caption(u"Priezvisko a meno, Adresa, PSČ, Mesto", {600, 1800, 5295, 195}).Left(),
        Caption(u"Názov organizácie, Adresa", {120, 2400, 3495, 195}).Left(),
        Caption(u"PSČ, Mesto", {3720, 2400, 2175, 195}).Left(),
        Caption(u"VEC :", {120, 3000, 5775, 195}).Left(),
        Caption(u"Text", {120, 3600, 5775, 195}).Left(),
    },
    // The arrows' usual place is taken by the sender and town boxes; they sit at the end of
    // the position line instead, below the body.
    TwipsRect{4800, 4980, 480, 480},   // Image1, previous record
    TwipsRect{5400, 4980, 480, 480},   // Image2, next record
};

// The letter Form1: an A4 page, white, nothing drawn but the nine boxes.
constexpr int kPageWidth = 12000;
constexpr int kPageHeight = 16995;

constexpr FontSpec Underlined(FontSpec font) {
    font.underline = true;
    return font;
}

constexpr FontSpec kLineFont = Sans(12);
// Slovak capitals with a caron or an acute reach 0.93 em above the baseline and descenders
// 0.21 em below it, so lines 240 twips apart stay clear of each other only up to about
// 10.5 pt; at 12 pt the body would keep eleven lines, or its lines would touch. The closing
// "S pozdravom" follows the body: at 12 pt in the face that stands in for MS Sans Serif
// under Wine it is exactly as wide as its box and wraps.
constexpr FontSpec kBodyFont = Sans(10);
constexpr int kBodyLinePitch = 240;

enum class Background { Transparent, White };

struct LetterBox {
    const char* name;
    TwipsRect rect;
    Background background;
    FontSpec font;
    std::u16string_view text;   // the fixed texts; the others start empty
    int linePitch = 0;
};

const LetterBox kBoxes[] = {
    // box           left   top    width  height    background             font                    text
    {"Label1",  {1080, 960, 10335, 375},   Background::White,       Underlined(kLineFont), u""},
    {"Label11", {1080, 2760, 735, 375},    Background::Transparent, kLineFont,             u"P.T."},
    {"Label2",  {1080, 3720, 10335, 375},  Background::White,       kLineFont,             u""},
    {"Label3",  {1080, 4080, 10335, 375},  Background::White,       kLineFont,             u""},
    {"Label12", {1080, 5880, 735, 375},    Background::Transparent, kLineFont,             u"VEC :"},
    {"Label4",  {1800, 5880, 9615, 375},   Background::White,       kLineFont,             u""},
    {"Label5",  {1080, 7680, 9615, 3255},  Background::White,       kBodyFont,             u"", kBodyLinePitch},
    {"Label13", {1080, 11880, 1575, 375},  Background::Transparent, kBodyFont,             u"S pozdravom"},
    {"Label16", {8520, 14640, 975, 375},   Background::Transparent, kLineFont,             u"podpis"},
};

}  // namespace

Layout Letter() {
    std::vector<LayoutBox> boxes;
    for (const LetterBox& row : kBoxes) {
        LayoutBox box;
        box.name = row.name;
        box.rect = row.rect;
        box.font = row.font;
        box.whiteBackground = row.background == Background::White;
        box.framed = true;
        box.text = std::u16string(row.text);
        box.linePitch = row.linePitch;
        boxes.push_back(std::move(box));
    }
    return Layout(kPageWidth, kPageHeight, {}, std::move(boxes));
}

const DesignerTables& ZozurazDesigner() {
    // The letter takes the boxes as they stand: sender, organisation, its town, subject, body.
    static const DesignerTables tables{u"Zozuraz", kRecord, kFace, &Letter,
                                       PrintPlan{{"Label1", "txtPhone1"},
                                                 {"Label2", "txtFax"},
                                                 {"Label3", "txtCompany"},
                                                 {"Label4", "txtPhone2"},
                                                 {"Label5", "txtEmail"}}};
    return tables;
}

}  // namespace papyrka::zozuraz
