#include "designers/kuvertex/kuvertex.h"

#include <iterator>

namespace papyrka::kuvertex {

namespace {

// The file's order is not the editor's: the two blocks interleave in the file.
const RecordLayout kRecord{
    "Kuvertex.DAT",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo"},
};

constexpr TwipsRect Row(int top) { return TwipsRect{2040, top, 3015, 285}; }
constexpr TwipsRect CaptionAt(int top) { return TwipsRect{120, top, 1800, 255}; }   // right edge at 1920

// Addressee above sender, each block top to bottom as it is printed; this is the tab order.
const EditorFace kFace{
    u"Kuvertex",
    "Label17",
    TwipsRect{4800, 120, 1095, 255},
    {
        Box("txtName", Row(2040)),
        Box("txtPhone1", Row(2400)),
        Box("txtFax", Row(2760)),
        Box("txtCompany", Row(3120)),
        Box("txtPhone2", Row(3840)),
        Box("txtEmail", Row(4200)),
        Box("txtAddress", Row(4560)),
        Box("txtMemo", Row(4920)),
    },
    {
        Caption(u"Adresát", {3240, 1800, 1455, 255}).Left().White(),
        Caption(u"Oslovenie :", CaptionAt(2040)),
        Caption(u"Priezvisko a meno :", CaptionAt(2400)),
        Caption(u"Adresa :", CaptionAt(2760)),
        Caption(u"PSČ a mesto :", CaptionAt(3120)),
        Caption(u"Odosielateľ", {3000, 3600, 1455, 255}).Left().White(),
        Caption(u"Odoslateľ :", CaptionAt(3840)),
        Caption(u"Priezvisko a meno :", CaptionAt(4200)),
        Caption(u"Adresa :", CaptionAt(4560)),
        Caption(u"PSČ a mesto :", CaptionAt(4920)),
    },
};

// The envelope Form1, an unfolded envelope on white.
constexpr int kEnvelopeWidth = 11175;
constexpr int kEnvelopeHeight = 14505;

// The pattern by the coordinates of its lines: each line lies on the pixel that starts there.
constexpr int kPanelLeft = 960;
constexpr int kPanelRight = 10095;
constexpr int kFrontTop = 1455;
constexpr int kFold = 7860;          // front panel's bottom, back panel's top
constexpr int kBackBottom = 14205;

constexpr TwipsPoint kFrontTopLeft{kPanelLeft, kFrontTop};
constexpr TwipsPoint kFrontTopRight{kPanelRight, kFrontTop};
constexpr TwipsPoint kFrontBottomLeft{kPanelLeft, kFold};
constexpr TwipsPoint kFrontBottomRight{kPanelRight, kFold};

constexpr TwipsPoint kTopFlapLeft{1770, 315};
constexpr TwipsPoint kTopFlapRight{9285, 315};
constexpr TwipsPoint kLeftFlapTop{225, 2505};
constexpr TwipsPoint kLeftFlapBottom{225, 6735};
constexpr TwipsPoint kRightFlapTop{10830, 2535};
constexpr TwipsPoint kRightFlapBottom{10830, 6795};

constexpr LineArt kPattern[] = {
    // both panels: the sides run down both, the fold is the edge they share
    {kFrontTopLeft, kFrontTopRight},
    {kFrontBottomLeft, kFrontBottomRight},
    {{kPanelLeft, kBackBottom}, {kPanelRight, kBackBottom}},
    {kFrontTopLeft, {kPanelLeft, kBackBottom}},
    {kFrontTopRight, {kPanelRight, kBackBottom}},
    // top flap
    {kTopFlapLeft, kTopFlapRight},
    {kTopFlapLeft, kFrontTopLeft},
    {kTopFlapRight, kFrontTopRight},
    // left side flap
    {kLeftFlapTop, kLeftFlapBottom},
    {kLeftFlapTop, kFrontTopLeft},
    {kLeftFlapBottom, kFrontBottomLeft},
    // right side flap
    {kRightFlapTop, kRightFlapBottom},
    {kRightFlapTop, kFrontTopRight},
    {kRightFlapBottom, kFrontBottomRight},
};

constexpr int kLineWidth = 3495;
constexpr int kLineHeight = 375;
constexpr FontSpec kLineFont = Sans(12);

struct EnvelopeLine {
    const char* box;
    int left, top;
};

constexpr EnvelopeLine kLines[] = {
    // addressee, lower right of the front panel
    {"Label1", 6360, 4440},
    {"Label2", 6360, 4800},
    {"Label3", 6360, 5160},
    {"Label4", 6360, 5520},
    // sender, upper left of the front panel
    {"Label5", 1320, 1800},
    {"Label6", 1320, 2160},
    {"Label7", 1320, 2520},
    {"Label8", 1320, 2880},
};

}  // namespace

Layout Envelope() {
    std::vector<ArtItem> artwork(std::begin(kPattern), std::end(kPattern));
    std::vector<LayoutBox> boxes;
    for (const EnvelopeLine& line : kLines) {
        LayoutBox box;
        box.name = line.box;
        box.rect = TwipsRect{line.left, line.top, kLineWidth, kLineHeight};
        box.font = kLineFont;
        boxes.push_back(std::move(box));
    }
    return Layout(kEnvelopeWidth, kEnvelopeHeight, std::move(artwork), std::move(boxes));
}

// Both "MENU >" and "Vytlačiť" open the print-choice menu, which alone fills the lines.
const DesignerTables& KuvertexDesigner() {
    static const DesignerTables tables{u"Kuvertex", kRecord, kFace, &Envelope, {}, ButtonAction::PrintChoiceMenu,
                                       ButtonAction::PrintChoiceMenu};
    return tables;
}

}  // namespace papyrka::kuvertex
