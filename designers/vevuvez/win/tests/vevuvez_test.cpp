// Vevuvez end to end: "Vytlačiť" in the real editor window fills all ten cards of the sheet
// from the boxes as they stand, inside card outlines where the sheet puts them.
#include <gtest/gtest.h>

#include "designers/vevuvez/vevuvez.h"
#include "testing/win/designer_session.h"
#include "testing/win/gdi_count.h"
#include "testing/win/printed_page.h"

namespace papyrka::vevuvez {
namespace {

const std::vector<test::TestRecord> kCards = {
    {"JM01", "Papierne Žilina, s.r.o.", "Ján Mrkvička", "Hlinkova 12, 010 01 Žilina", "obchodný zástupca",
     "041 562 11 22", "fax 041 562 11 23", "0905 123 456", "jan@papierne.sk", "Pobočka Košice", "Hlavná 5",
     "040 01 Košice", "055 622 33 44"},
    {"EH02", "Kníhkupectvo Ďumbier", "Eva Hrušková"},
};

TEST(Vevuvez, PrintFillsTenCardsInTheirOutlinesFromTheBoxesAsTheyStandSavesNothingAndLeaksNothing) {
    static const Designer designer{VevuvezDesigner()};
    test::DesignerSession session(designer, kCards);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtFax", " a konzultant");   // printed, never saved
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    const std::string text = test::PdfText(pdf);
    EXPECT_EQ(test::Occurrences(text, "obchodný zástupca a konzultant"), 10) << text;
    for (size_t field = 1; field < kCards[0].size(); ++field)
        EXPECT_EQ(test::Occurrences(text, kCards[0][field]), 10) << kCards[0][field];
    EXPECT_EQ(test::Occurrences(text, "JM01"), 0) << "the identifier is never printed";
    // The first row of cards: the centred lines top down, then the two columns row by row.
    std::vector<std::string_view> card;
    for (int field : {2, 4, 1, 3, 5, 9, 6, 10, 7, 11, 8, 12}) card.push_back(kCards[0][field]);
    EXPECT_EQ(test::MissingInOrder(text.substr(0, text.find('\n', text.find(kCards[0][12]))), card), "") << text;
    EXPECT_TRUE(session.FileUnchanged());

    const test::PrintedPage page(pdf);   // below the last line of the first cards; beside the cards
    ASSERT_TRUE(page.ok());
    EXPECT_EQ(page.LinesAcrossRow(360 + 2820, 0, 12000),
              (std::vector<int>{page.DotX(240), page.DotX(5340), page.DotX(5520), page.DotX(10620)}));
    std::vector<int> outlines;
    for (int top = 360; top < 15000; top += 3000) outlines.insert(outlines.end(), {page.DotY(top), page.DotY(top + 2835)});
    EXPECT_EQ(page.LinesAcrossColumn(300, 0, 16995), outlines);

    session.driver().Click(session.driver().AtTwips(4680 + 240, 4920 + 240));   // Image2: the next card
    const DWORD gdiObjects = test::GdiObjectCount();
    for (int round = 0; round < 2; ++round) EXPECT_FALSE(session.Print("Label13").empty());
    EXPECT_EQ(test::GdiObjectCount(), gdiObjects);
    EXPECT_EQ(session.Line("Label120"), u"") << "an empty box empties its line";
}

}  // namespace
}  // namespace papyrka::vevuvez
