#include "designers/vevuvez/vevuvez.h"

#include <iterator>

namespace papyrka::vevuvez {

namespace {

const RecordLayout kRecord{
    "Vevuvez.dat",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo", "txt1",
     "txt2", "txt3", "txt4", "txt5"},
};

// The editor's boxes are laid out like the face of one card; the tab order runs from the
// identifier down the card: the four centred lines, then the left column, then the right.
const EditorFace kFace{
    u"Vevuvez",
    "Label17",
    TwipsRect{5160, 120, 735, 255},
    {
        Box("txtName", {600, 1800, 375, 285}).Font(Sans(8.25, true)),
        Box("txtPhone1", {600, 2280, 4815, 495}).Font(Sans(17.25)).Centred(),
        Box("txtFax", {600, 2760, 4815, 480}).Font(Sans(13.5)).Centred(),
        Box("txtCompany", {600, 3240, 4815, 285}).Font(Sans(9.75)).Centred(),
        Box("txtPhone2", {600, 3480, 4815, 285}).Font(Sans(9.75)).Centred().MultiLine(),
        Box("txtEmail", {600, 3840, 2295, 285}).Font(Sans(8.25, true)).MultiLine(),
        Box("txtAddress", {600, 4080, 2295, 285}).Font(Sans(8.25)),
        Box("txtMemo", {600, 4320, 2295, 285}).Font(Sans(8.25)),
        Box("txt1", {600, 4560, 2295, 285}).Font(Sans(8.25)),
        Box("txt2", {3120, 3840, 2295, 285}).Font(Sans(8.25, true)),
        Box("txt3", {3120, 4080, 2295, 285}).Font(Sans(8.25)),
        Box("txt4", {3120, 4320, 2295, 285}).Font(Sans(8.25)),
        Box("txt5", {3120, 4560, 2295, 285}).Font(Sans(8.25)),
    },
    {
        Caption(u"ID :", {240, 1800, 300, 195}).Left(),
    },
    TwipsRect{4080, 4920, 480, 480},   // Image1, previous record
    TwipsRect{4680, 4920, 480, 480},   // Image2, next record
};

// The sheet Form1: 12000 x 16995 twips, two columns of five cards.
constexpr int kSheetWidth = 12000;
constexpr int kSheetHeight = 16995;

struct CardSlot {
    int left, top;   // of the card's outline on the sheet
};

constexpr CardSlot kSlots[] = {
    {240, 360},   {5520, 360},
    {240, 3360},  {5520, 3360},
    {240, 6360},  {5520, 6360},
    {240, 9360},  {5520, 9360},
    {240, 12360}, {5520, 12360},
};

constexpr TwipsRect kCardOutline{0, 0, 5115, 2850};
constexpr TwipsPoint kRuleFrom{120, 1080};
constexpr TwipsPoint kRuleTo{4920, 1080};

struct CardLine {
    std::string_view source;   // editor text box that fills the line in every card
    TwipsRect rect;            // from the card's top-left corner
    FontSpec font;
    Align align;
};

constexpr CardLine kLines[] = {
    // source        left  top   width height    font             alignment
    {"txtPhone1",  {120, 120, 4815, 495},  Sans(17.25),      Align::Centre},
    {"txtFax",     {120, 600, 4815, 375},  Sans(13.5),       Align::Centre},
    {"txtCompany", {120, 1200, 4815, 255}, Sans(9.75),       Align::Centre},
    {"txtPhone2",  {120, 1440, 4815, 255}, Sans(9.75),       Align::Centre},
    {"txtEmail",   {120, 1800, 2295, 255}, Sans(8.25, true), Align::Left},
    {"txtAddress", {120, 2040, 2295, 255}, Sans(8.25),       Align::Left},
    {"txtMemo",    {120, 2280, 2295, 255}, Sans(8.25),       Align::Left},
    {"txt1",       {120, 2520, 2295, 255}, Sans(8.25),       Align::Left},
    {"txt2",       {2640, 1800, 2295, 255}, Sans(8.25, true), Align::Left},
    {"txt3",       {2640, 2040, 2295, 255}, Sans(8.25),       Align::Left},
    {"txt4",       {2640, 2280, 2295, 255}, Sans(8.25),       Align::Left},
    {"txt5",       {2640, 2520, 2295, 255}, Sans(8.25),       Align::Left},
};

constexpr int kLinesPerCard = static_cast<int>(std::size(kLines));

// The card lines are named Label1...Label120, slot by slot: "Label13" is slot 2, line 1.
std::string CardLineBox(int slot, int line) { return "Label" + std::to_string(slot * kLinesPerCard + line + 1); }

TwipsRect OnSheet(const CardSlot& slot, TwipsRect inCard) {
    return TwipsRect{slot.left + inCard.left, slot.top + inCard.top, inCard.width, inCard.height};
}

TwipsPoint OnSheet(const CardSlot& slot, TwipsPoint inCard) { return TwipsPoint{slot.left + inCard.x, slot.top + inCard.y}; }

// Twelve lines a slot, the same editor box for a line in every slot; txtName feeds none.
PrintPlan CardPrintPlan() {
    PrintPlan plan;
    for (int s = 0; s < static_cast<int>(std::size(kSlots)); ++s)
        for (int l = 0; l < kLinesPerCard; ++l) plan.push_back(BoxFill{CardLineBox(s, l), kLines[l].source});
    return plan;
}

}  // namespace

Layout CardSheet() {
    std::vector<ArtItem> artwork;
    std::vector<LayoutBox> boxes;
    for (int s = 0; s < static_cast<int>(std::size(kSlots)); ++s) {
        const CardSlot& slot = kSlots[s];
        artwork.push_back(FrameArt{OnSheet(slot, kCardOutline)});
        artwork.push_back(LineArt{OnSheet(slot, kRuleFrom), OnSheet(slot, kRuleTo)});
        for (int l = 0; l < kLinesPerCard; ++l) {
            LayoutBox box;
            box.name = CardLineBox(s, l);
            box.rect = OnSheet(slot, kLines[l].rect);
            box.font = kLines[l].font;
            box.align = kLines[l].align;
            box.framed = true;
            boxes.push_back(std::move(box));
        }
    }
    return Layout(kSheetWidth, kSheetHeight, std::move(artwork), std::move(boxes));
}

const DesignerTables& VevuvezDesigner() {
    static const DesignerTables tables{u"Vevuvez", kRecord, kFace, &CardSheet, CardPrintPlan()};
    return tables;
}

}  // namespace papyrka::vevuvez
