#include "designers/kryton/kryton.h"

#include <iterator>
#include <string>
#include <utility>

namespace papyrka::kryton {

namespace {

const RecordLayout kRecord{
    "Kryton.dat",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo", "txt1",
     "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt10", "txt11", "txt12", "txt13", "txt14",
     "txt15", "txt16", "txt17"},
};

// Tracks 1 to 22 in track order: the file keeps tracks 1 to 5 among the artist and the album.
constexpr std::string_view kTracks[] = {
    "txtCompany", "txtPhone2", "txtEmail", "txtAddress", "txtMemo", "txt1",  "txt2",  "txt3",
    "txt4",       "txt5",      "txt6",     "txt7",       "txt8",    "txt9",  "txt10", "txt11",
    "txt12",      "txt13",     "txt14",    "txt15",      "txt16",   "txt17",
};
constexpr int kTrackCount = static_cast<int>(std::size(kTracks));

// The editor: identifier, artist and album on one row, then the tracks in two columns of
// eleven, tracks 1 to 11 on the left. The tab order runs the same way.
constexpr int kEditorBoxHeight = 200;
constexpr int kEditorTrackTop = 2520;
constexpr int kEditorTrackStep = 240;
constexpr int kTracksPerColumn = 11;
constexpr int kColumnLeft[] = {120, 3000};
constexpr int kColumnWidth = 2775;

EditorFace MakeFace() {
    EditorFace face;
    face.programName = u"Kryton";
    face.boxes = {
        Box("txtName", {120, 2040, 495, kEditorBoxHeight}),
        Box("txtPhone1", {720, 2040, 2175, kEditorBoxHeight}),
        Box("txtFax", {3000, 2040, 2775, kEditorBoxHeight}),
    };
    for (int track = 0; track < kTrackCount; ++track) {
        const int row = track % kTracksPerColumn;
        face.boxes.push_back(Box(kTracks[track], {kColumnLeft[track / kTracksPerColumn],
                                                  kEditorTrackTop + kEditorTrackStep * row, kColumnWidth,
                                                  kEditorBoxHeight}));
    }
    face.captions = {
        Caption(u"ID :", {120, 1800, 495, 195}).Left(),
        Caption(u"Názov interpreta :", {720, 1800, 2175, 195}).Left(),
        Caption(u"Názov albumu :", {3000, 1800, 2775, 195}).Left(),
        Caption(u"Názvy skladieb :", {120, 2280, 2775, 195}).Left(),
    };
    // The arrows' usual places would cover the album box and track 12; the corner left of
    // the suite's title is free.
    face.image1 = {120, 300, 480, 480};
    face.image2 = {600, 300, 480, 480};
    return face;
}

const EditorFace kFace = MakeFace();

// The cover Form1, a jewel-case front insert.
constexpr int kCoverSide = 7455;

// Cutting lines at 300 and 7110, each on the pixel that starts there: 6810 twips, 120 mm,
// between their centres.
constexpr FrameArt kCuttingSquare{{300, 300, 7110 + 15 - 300, 7110 + 15 - 300}};

constexpr int kBoxLeft = 360;
constexpr int kBoxWidth = 6615;

struct CoverRow {
    int top, height;
    FontSpec font;
};

constexpr CoverRow kTitleRow{360, 615, Sans(24)};
constexpr CoverRow kAlbumRow{960, 495, Sans(17.25)};
// Rows 240 apart and 255 high: each border falls on its neighbour's, one ruled table.
constexpr CoverRow kFirstTrackRow{1560, 255, Sans(9.75, true)};
constexpr int kTrackStep = 240;

LayoutBox CoverBox(std::string name, const CoverRow& row) {
    LayoutBox box;
    box.name = std::move(name);
    box.rect = TwipsRect{kBoxLeft, row.top, kBoxWidth, row.height};
    box.font = row.font;
    box.align = Align::Centre;
    box.whiteBackground = true;
    box.framed = true;
    return box;
}

std::string TrackBox(int track) { return "Label" + std::to_string(track + 3); }   // track from 0

// Every box from the editor as it stands; the identifier is not printed.
PrintPlan CoverPrintPlan() {
    PrintPlan plan{{"Label1", "txtPhone1"}, {"Label2", "txtFax"}};
    for (int track = 0; track < kTrackCount; ++track) plan.push_back(BoxFill{TrackBox(track), kTracks[track]});
    return plan;
}

}  // namespace

Layout Cover() {
    std::vector<LayoutBox> boxes{CoverBox("Label1", kTitleRow), CoverBox("Label2", kAlbumRow)};
    for (int track = 0; track < kTrackCount; ++track) {
        CoverRow row = kFirstTrackRow;
        row.top += kTrackStep * track;
        boxes.push_back(CoverBox(TrackBox(track), row));
    }
    return Layout(kCoverSide, kCoverSide, {kCuttingSquare}, std::move(boxes));
}

const DesignerTables& KrytonDesigner() {
    static const DesignerTables tables{u"Kryton", kRecord, kFace, &Cover, CoverPrintPlan(),
                                       ButtonAction::PrintChoiceMenu, ButtonAction::PrintLayout};
    return tables;
}

}  // namespace papyrka::kryton
