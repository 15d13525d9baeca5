// The print-choice menu through a real editor window and a real pop-up, chosen with the
// keyboard as a user would, on a small piece whose eight lines show what each choice copies.
#include <gtest/gtest.h>

#include "designer/print_choice.h"
#include "designer/win/editor_window.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"

namespace papyrka {
namespace {

const RecordLayout kRecord{"Volba.dat", {"txtName", "txtPhone1", "txtFax", "txtCompany", "txtPhone2", "txtEmail",
                                          "txtAddress", "txtMemo", "txtExtra"}};

EditorFace MakeFace() {
    EditorFace face;
    face.programName = u"Voľba";
    int top = 1800;
    for (std::string_view control : kRecord.fields) face.boxes.push_back(Box(control, {2040, top += 300, 3015, 285}));
    return face;
}
const EditorFace kFace = MakeFace();

// Label1...Label8 one under the other, and a ninth box that no choice fills.
Layout Piece() {
    std::vector<LayoutBox> boxes;
    for (int line = 1; line <= 9; ++line)
        boxes.push_back(LayoutBox{"Label" + std::to_string(line), {720, 720 + 480 * line, 6000, 375}, Sans(12)});
    boxes.back().text = u"deviaty riadok";
    return Layout(8000, 6000, {FrameArt{{360, 360, 7200, 5280}}}, std::move(boxes));
}

const DesignerTables kTables{u"Voľba", kRecord, kFace, &Piece, {}, ButtonAction::PrintChoiceMenu,
                             ButtonAction::PrintChoiceMenu};
const Designer kDesigner{kTables};

const std::vector<test::TestRecord> kRecords = {
    {"Pán", "Adam Prvý", "Prvá 1", "811 01 Bratislava", "Odosielateľ", "Eva Prvá", "Druhá 2", "040 01 Košice"},
    {"Pani", "Beáta Druhá", "Tretia 3", "974 01 Banská Bystrica", "Iný odosielateľ", "Cyril Druhý", "Štvrtá 4",
     "010 01 Žilina"},
};

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

TEST(PrintChoiceMenu, EachChoiceFillsItsLinesPrintsOnePageAndTheRestKeepTheirText) {
    test::DesignerSession session(kDesigner, kRecords);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";
    const test::EditorDriver driver = session.driver();

    // First use: an empty piece, and the menu's three items in order, no default item.
    std::wstring pdf = session.Choose("Label9", 0);
    ASSERT_TRUE(session.menuSeen());
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    const test::PrintedPage page(pdf);   // the piece's frame, its lines inside its rectangle
    ASSERT_TRUE(page.ok());
    EXPECT_EQ(page.LinesAcrossRow(3000, 0, 8000), (std::vector<int>{page.DotX(360), page.DotX(7560 - 15)}));
    EXPECT_EQ(page.LinesAcrossColumn(4000, 0, 6000), (std::vector<int>{page.DotY(360), page.DotY(5640 - 15)}));
    for (int line = 1; line <= 8; ++line) EXPECT_EQ(session.Line("Label" + std::to_string(line)), u"");
    EXPECT_EQ(test::ForegroundAtLastMenu(), driver.window());

    session.Type("txtMemo", " (neuložené)");
    pdf = session.Choose("Label13", 2);   // "Adresát + Odosielateľ": all eight from record 1
    ASSERT_FALSE(pdf.empty());
    for (int line = 0; line < 8; ++line)
        EXPECT_EQ(session.Line(kPrintChoiceCopyRule[line].box),
                  U(kRecords[0][static_cast<size_t>(line)]) + (line == 7 ? u" (neuložené)" : u""));
    EXPECT_NE(test::PdfText(pdf).find("040 01 Košice (neuložené)"), std::string::npos);
    EXPECT_EQ(session.Line("Label9"), u"deviaty riadok");

    driver.Click(driver.AtTwips(5400, 2520));   // Image2: record 2
    ASSERT_FALSE(session.Choose("Label9", 1).empty());   // "Adresát": lines 1-4 only
    for (int line = 0; line < 8; ++line)
        EXPECT_EQ(session.Line(kPrintChoiceCopyRule[line].box),
                  U(kRecords[line < 4 ? 1 : 0][static_cast<size_t>(line)]) + (line == 7 ? u" (neuložené)" : u""));

    // Dismissed: nothing printed, nothing changed.
    EXPECT_TRUE(session.Choose("Label9", -1, std::chrono::milliseconds(700)).empty());
    EXPECT_TRUE(session.menuSeen());
    EXPECT_EQ(session.Line("Label1"), U("Pani"));

    // A failed print: the layout print's message, and every line as it was.
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        EXPECT_TRUE(session.Choose("Label9", 2, std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Voľba");
    }
    EXPECT_EQ(session.Line("Label5"), U("Odosielateľ"));
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka
