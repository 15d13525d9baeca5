// Vreckar end to end through the real editor window: the sleeve's outline and ten framed
// boxes where they belong on paper, the print button and the print-choice menu filling their
// boxes, and texts too long for a box kept inside it.
#include <gtest/gtest.h>

#include "designers/vreckar/vreckar.h"
#include "testing/win/designer_session.h"
#include "testing/win/print_failure.h"
#include "testing/win/printed_page.h"

namespace papyrka::vreckar {
namespace {

// File order: name, contents 2, number, contents 3, contents 1, contents 4 to 8.
const std::vector<test::TestRecord> kDiscs = {
    {"Ján Mrkvička", "Queen - A Night at the Opera", "CD-017", "Elán - Hodina slovenčiny", "Pink Floyd - The Wall",
     "Team - Team", "Modus - Úsmev", "Hex - Šťastie", "Najkrajšiepiesneslovenskejpopulárnejhudbyosemdesiatychrokov",
     "Výber piesní zo starých albumov skupín Elán, Team, Tublatanka, Modus a Lojzo z rokov 1980 až 1990"},
    {"Eva Hrušková", "Mozart - Requiem", "CD-018", "Bach - Goldbergove variácie", "Vivaldi - Štyri ročné obdobia",
     "Dvořák - Novosvetská", "Smetana - Moja vlasť", "Suchoň - Krútňava", "Janáček - Sinfonietta",
     "Martinů - Otvorenie studničiek"},
};

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

TEST(Vreckar, SleeveOutlineAndBoxesLieWhereTheyBelongAndEachPrintFillsItsBoxes) {
    static const Designer designer{VreckarDesigner()};
    test::DesignerSession session(designer, kDiscs);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";
    const Layout sleeve = Sleeve();

    // "Čistá obálka" as the first print: the bare sleeve, ten empty framed boxes.
    std::wstring pdf = session.Choose("Label9", 0);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    {
        const test::PrintedPage page(pdf);
        ASSERT_TRUE(page.ok());
        // Across the flaps and the front panel; down the top flap, front and back panel.
        EXPECT_EQ(page.LinesAcrossRow(5000, 0, 9945),
                  (std::vector<int>{page.DotX(285), page.DotX(1425), page.DotX(8505), page.DotX(9645)}));
        EXPECT_EQ(page.LinesAcrossColumn(3400, 0, 16005),
                  (std::vector<int>{page.DotY(270), page.DotY(1410), page.DotY(8490), page.DotY(15525)}));
        std::vector<int> tops, bottoms;
        for (const LayoutBox& box : sleeve.boxes()) {
            EXPECT_EQ(page.LinesAcrossRow(box.rect.top + 180, 3000, 8450),
                      (std::vector<int>{page.DotX(box.rect.left), page.DotX(box.rect.right() - 15)}))
                << box.name;
            tops.insert(tops.end(), {page.DotY(box.rect.top), page.DotY(box.rect.bottom() - 15)});
        }
        EXPECT_EQ(tops.size(), 20u);
        EXPECT_EQ(page.LinesAcrossColumn(8100, 1500, 8400), tops);
    }

    // "Vytlačiť": all ten boxes from the boxes on screen; the overlong ones stay inside.
    pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    for (int field : {0, 1, 2, 3, 4, 5, 6, 7})
        EXPECT_NE(text.find(kDiscs[0][field]), std::string::npos) << kDiscs[0][field];
    {
        const test::PrintedPage page(pdf);
        const TwipsRect word = sleeve.boxes()[static_cast<size_t>(sleeve.Find("Label14"))].rect;
        const TwipsRect sentence = sleeve.boxes()[static_cast<size_t>(sleeve.Find("Label15"))].rect;
        EXPECT_FALSE(page.LinesAcrossRow(word.top + 120, word.left, word.right()).empty());
        EXPECT_TRUE(page.LinesAcrossRow(word.top + 120, word.right() + 5, 8490).empty()) << "a word past its box";
        EXPECT_TRUE(page.LinesAcrossRow(sentence.bottom() + 45, 3000, 8450).empty()) << "a line under its box";
    }

    // Another disc through "Adresát + Odosielateľ": contents 7 and 8 stay the first disc's.
    session.driver().Click(session.driver().AtTwips(1440 + 240, 3600 + 240));   // Image2
    ASSERT_FALSE(session.Choose("Label9", 2).empty());
    EXPECT_EQ(session.Line("Label1"), U(kDiscs[1][0]));
    EXPECT_EQ(session.Line("Label8"), U(kDiscs[1][7]));
    EXPECT_EQ(session.Line("Label14"), U(kDiscs[0][8]));
    EXPECT_EQ(session.Line("Label15"), U(kDiscs[0][9]));

    // A failed print: one message, and every box as it was.
    {
        test::DefaultPrinterSetting setting;
        ASSERT_TRUE(setting.ok());
        setting.Remove();
        test::MessageBoxCloser closer;
        session.driver().ClickLabel("Label13");
        EXPECT_TRUE(session.Printed(std::chrono::milliseconds(700)).empty());
        EXPECT_EQ(closer.shown, 1);
        EXPECT_EQ(closer.title, L"Vreckar");
    }
    EXPECT_EQ(session.Line("Label14"), U(kDiscs[0][8]));
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::vreckar
