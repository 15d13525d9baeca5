// The print-choice menu through a real editor window and a real pop-up, chosen with the
// keyboard as a user would, on a small piece whose eight lines show what each choice copies.
#include <gtest/gtest.h>

#include <array>

#include "designer/print_choice.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"

namespace papyrka {
namespace {

const RecordLayout kRecord{"Volba.dat", {"txtName", "txtPhone1", "txtFax", "txtCompany", "txtPhone2", "txtEmail",
                                          "txtAddress", "txtMemo", "txtExtra"}};

EditorFace MakeFace() {
    EditorFace face;
    int top = 1800;
    for (std::string_view control : kRecord.fields) face.boxes.push_back(Box(control, {2040, top += 300, 3015, 285}));
    return face;
}
const EditorFace kFace = MakeFace();

// Label1...Label8 one under the other, and a ninth line that no choice fills.
Layout Piece() {
    std::vector<LayoutBox> boxes;
    for (int line = 1; line <= 9; ++line)
        boxes.push_back(LayoutBox{"Label" + std::to_string(line), {720, 720 + 480 * line, 6000, 375}, Sans(12)});
    boxes.back().text = u"deviaty riadok";
    return Layout(8000, 6000, {}, std::move(boxes));
}

const DesignerTables kTables{u"Voľba", kRecord, kFace, &Piece, {}, ButtonAction::PrintChoiceMenu,
                             ButtonAction::PrintChoiceMenu};
const Designer kDesigner{kTables};

const std::vector<test::TestRecord> kRecords = {
    {"Pán", "Adam Prvý", "Prvá 1", "811 01 Bratislava", "Odosielateľ", "Eva Prvá", "Druhá 2", "040 01 Košice"},
    {"Pani", "Beáta Druhá", "Tretia 3", "974 01 Banská Bystrica", "Iný", "Cyril Druhý", "Štvrtá 4", "010 01 Žilina"},
};

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

TEST(PrintChoiceMenu, EachChoiceFillsItsLinesPrintsOnePageAndTheRestKeepTheirText) {
    test::DesignerSession session(kDesigner, kRecords);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";
    const test::EditorDriver driver = session.driver();
    // Which record each line shows (-1: none); line 8 carries the unsaved edit.
    auto expectLines = [&](std::array<int, 8> record) {
        for (size_t line = 0; line < 8; ++line) {
            const std::u16string edit = line == 7 ? u" (neuložené)" : u"";
            EXPECT_EQ(session.Line(kPrintChoiceCopyRule[line].box),
                      record[line] < 0 ? u"" : U(kRecords[size_t(record[line])][line]) + edit);
        }
        EXPECT_EQ(session.Line("Label9"), u"deviaty riadok");
    };

    const std::wstring pdf = session.Choose("Label9", 0);   // "Čistá obálka": the first item, no default one
    ASSERT_TRUE(session.menuSeen());
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    EXPECT_EQ(test::ForegroundAtLastMenu(), driver.window());
    expectLines({-1, -1, -1, -1, -1, -1, -1, -1});

    session.Type("txtMemo", " (neuložené)");
    ASSERT_NE(test::PdfText(session.Choose("Label13", 2)).find("040 01 Košice (neuložené)"), std::string::npos);
    expectLines({0, 0, 0, 0, 0, 0, 0, 0});
    driver.Click(driver.AtTwips(5400, 2520));   // Image2: record 2
    ASSERT_FALSE(session.Choose("Label9", 1).empty());   // "Adresát": lines 1-4 only
    expectLines({1, 1, 1, 1, 0, 0, 0, 0});

    // Dismissed, and a failed print with the layout print's message: nothing printed, nothing changed.
    EXPECT_TRUE(session.Choose("Label9", -1, std::chrono::milliseconds(700)).empty());
    EXPECT_TRUE(session.menuSeen());
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        EXPECT_TRUE(session.Choose("Label9", 2, std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(std::pair(closer.shown, closer.title), std::pair(1, std::wstring(L"Voľba")));
    }
    expectLines({1, 1, 1, 1, 0, 0, 0, 0});
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka
