#include "designers/davavazo/davavazo.h"

namespace papyrka::davavazo {

namespace {

const RecordLayout kRecord{
    "Davavazo.dat",
    {"txtName", "txtCompany", "txtPhone1", "txtPhone2", "txtFax", "txtEmail", "txtAddress", "txtMemo"},
};

constexpr int kBoxLeft = 2040;
constexpr int kBoxWidth = 3015;

constexpr TwipsRect Row(int top, int height = 285) { return TwipsRect{kBoxLeft, top, kBoxWidth, height}; }
constexpr TwipsRect CaptionAt(int top) { return TwipsRect{120, top, 1800, 255}; }   // right edge at 1920

// One column; on screen (and in the tab order) it runs name, address, phone 1, phone 2,
// company, e-mail, then the two notes.
const EditorFace kFace{
    u"Davavazo",
    "Label17",
    TwipsRect{5160, 120, 735, 255},
    {
        Box("txtName", Row(1800)),
        Box("txtPhone1", Row(2160)),
        Box("txtFax", Row(2520)),
        Box("txtCompany", Row(2880)),
        Box("txtPhone2", Row(3240)),
        Box("txtEmail", Row(3600)),
        Box("txtAddress", Row(3960, 525)).Scrolled(),
        Box("txtMemo", Row(4560, 525)).Scrolled(),
    },
    {
        Caption(u"Priezvisko a meno :", CaptionAt(1800)),
        Caption(u"Adresa :", CaptionAt(2160)),
        Caption(u"Telefónne číslo 1 :", CaptionAt(2520)),
        Caption(u"Telefónne číslo 2 :", CaptionAt(2880)),
        Caption(u"Názov firmy :", CaptionAt(3240)),
        Caption(u"E - mail :", CaptionAt(3600)),
        Caption(u"Poznámky 1 :", CaptionAt(3960)),
        Caption(u"Poznámky 2 :", CaptionAt(4560)),
    },
};

}  // namespace

const DesignerTables& DavavazoDesigner() {
    static const DesignerTables tables{u"Davavazo", kRecord, kFace, nullptr, {}, ButtonAction::None,
                                       ButtonAction::ProgramOwn};
    return tables;
}

}  // namespace papyrka::davavazo
