#include "designers/radirir/radirir.h"

#include <iterator>
#include <string>
#include <utility>

namespace papyrka::radirir {

namespace {

// The control names keep this program's own spelling, lower case and all.
const RecordLayout kRecord{
    "Radirir.dat",
    {"txtName", "txtcompany", "txtphone1", "txtphone2", "txtFax", "txtemail", "txtaddress", "txtmemo", "txtmemo1"},
};

// The contents lines as they stand in the editor and on the label, top to bottom: an order
// of their own, not the file's.
struct ContentsLine {
    std::string_view control;
    int editorTop;
    int labelTop;
};

constexpr ContentsLine kContents[] = {
    // editor box   editor top  label top
    {"txtphone1",   2400,       840},
    {"txtFax",      2760,       1080},
    {"txtcompany",  3120,       1320},
    {"txtphone2",   3480,       1560},
    {"txtemail",    3840,       1800},
    {"txtaddress",  4200,       2040},
    {"txtmemo",     4560,       2280},
    {"txtmemo1",    4920,       2520},
};

constexpr int kContentsCount = static_cast<int>(std::size(kContents));

EditorFace MakeFace() {
    EditorFace face{u"Radirir", "Label3"};
    face.boxes.push_back(Box("txtName", {1560, 1800, 615, 285}));
    for (const ContentsLine& line : kContents) face.boxes.push_back(Box(line.control, {1800, line.editorTop, 3015, 285}));
    face.captions = {
        Caption(u"Číslo radirir :", {240, 1800, 1275, 255}).Left(),
        Caption(u"OBSAH", {3000, 2040, 735, 255}).Left(),
    };
    return face;
}

const EditorFace kFace = MakeFace();

// The label face Form6, about 73.8 x 54.5 mm.
constexpr int kFaceWidth = 4185;
constexpr int kFaceHeight = 3090;

// The frame's lines lie on the screen pixels that start at these coordinates; the rule
// under the grey band crosses the frame from side to side.
constexpr int kPixel = 15;
constexpr int kFrameLeft = 105;
constexpr int kFrameRight = 4080;
constexpr int kFrameTop = 120;
constexpr int kFrameBottom = 2955;
constexpr int kCornerRadius = 105;   // about 7 pixels
constexpr int kRule = 660;

// "Číslo radirir :" fills its box almost to the dot in the wide bold face that stands in
// for MS Sans Serif under Wine, and its colon wraps out of the box on a finer printer. The
// condensed cut of that face keeps it whole with room to spare; Windows, which lacks it,
// gives its own Swiss face (Arial), in which it fits as well. (The Helvetica clone of Linux
// printing systems is no choice: a print in it crashed Wine.)
constexpr FontSpec kNumberCaptionFont{u"DejaVu Sans Condensed", 8.25, true, false};

struct FaceText {
    std::string_view box;
    TwipsRect rect;
    Colour colour;
    std::u16string_view fixedText = {};
    FontSpec font = kLabelFont;
};

// The three white texts on the grey band; the contents lines follow from kContents.
const FaceText kBandTexts[] = {
    // box       left  top  width height   colour  fixed text
    {"Label1", {240, 300, 735, 255},   kWhite, u"OBSAH"},
    {"Label2", {2160, 300, 1215, 255}, kWhite, u"Číslo radirir :", kNumberCaptionFont},
    {"Label3", {3420, 300, 495, 255},  kWhite},
};

constexpr std::string_view kNumberBox = "Label3";

std::string ContentsBox(int line) { return "Label" + std::to_string(4 + line); }

constexpr TwipsRect ContentsRect(int labelTop) { return {240, labelTop, 3735, 255}; }

LayoutBox MakeBox(std::string name, TwipsRect rect, Colour colour, std::u16string_view text, FontSpec font) {
    LayoutBox box;
    box.name = std::move(name);
    box.rect = rect;
    box.font = font;
    box.colour = colour;
    box.text = std::u16string(text);
    return box;
}

// The number first, then lines 1 to 8 from the editor's boxes top to bottom.
PrintPlan LabelPrintPlan() {
    PrintPlan plan{BoxFill{std::string(kNumberBox), "txtName"}};
    for (int line = 0; line < kContentsCount; ++line) plan.push_back(BoxFill{ContentsBox(line), kContents[line].control});
    return plan;
}

}  // namespace

Layout LabelFace() {
    const TwipsRect frame{kFrameLeft, kFrameTop, kFrameRight + kPixel - kFrameLeft, kFrameBottom + kPixel - kFrameTop};
    const TwipsRect inside{frame.left + kPixel, frame.top + kPixel, frame.width - 2 * kPixel, frame.height - 2 * kPixel};
    const TwipsRect band{inside.left, inside.top, inside.width, kRule - inside.top};
    const int insideRadius = kCornerRadius - kPixel;
    // The band's upper corners follow the frame's inner curve, so no grey reaches the
    // frame's outside; its lower part is square and meets the rule.
    std::vector<ArtItem> artwork{
        FrameArt{frame, kCornerRadius},
        FillArt{band, kLightGrey, insideRadius},
        FillArt{{band.left, band.top + insideRadius, band.width, band.height - insideRadius}, kLightGrey},
        LineArt{{kFrameLeft, kRule}, {kFrameRight, kRule}},
    };
    std::vector<LayoutBox> boxes;
    for (const FaceText& text : kBandTexts)
        boxes.push_back(MakeBox(std::string(text.box), text.rect, text.colour, text.fixedText, text.font));
    for (int line = 0; line < kContentsCount; ++line)
        boxes.push_back(MakeBox(ContentsBox(line), ContentsRect(kContents[line].labelTop), kBlack, {}, kLabelFont));
    return Layout(kFaceWidth, kFaceHeight, std::move(artwork), std::move(boxes));
}

const DesignerTables& RadirirDesigner() {
    static const DesignerTables tables{u"Radirir", kRecord, kFace, &LabelFace, LabelPrintPlan()};
    return tables;
}

}  // namespace papyrka::radirir
