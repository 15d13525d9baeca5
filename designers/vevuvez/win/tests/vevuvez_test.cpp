// Vevuvez end to end: all ten cards from the boxes as they stand, inside their outlines.
#include <gtest/gtest.h>

#include "designers/vevuvez/vevuvez.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::vevuvez {
namespace {

const test::TestRecord kCard = {"JM01", "Papierne Žilina, s.r.o.", "Ján Mrkvička", "Hlinkova 12, 010 01 Žilina",
                                "obchodný zástupca", "041 562 11 22", "fax 041 562 11 23", "0905 123 456",
                                "jan@papierne.sk", "Pobočka Košice", "Hlavná 5", "040 01 Košice", "055 622 33 44"};

TEST(Vevuvez, PrintFillsTenCardsInTheirOutlinesFromTheBoxesAsTheyStandAndSavesNothing) {
    static const Designer designer{VevuvezDesigner()};
    test::DesignerSession session(designer, {kCard});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtFax", " a konzultant");   // printed, never saved
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    EXPECT_EQ(test::Occurrences(text, "obchodný zástupca a konzultant"), 10) << text;
    for (size_t field = 1; field < kCard.size(); ++field) EXPECT_EQ(test::Occurrences(text, kCard[field]), 10) << field;
    EXPECT_EQ(test::Occurrences(text, "JM01"), 0) << "the identifier is never printed";
    // The first row of cards: the centred lines top down, then the two columns line by line.
    std::vector<std::string_view> card;
    for (int field : {2, 4, 1, 3, 5, 9, 6, 10, 7, 11, 8, 12}) card.push_back(kCard[field]);
    EXPECT_EQ(test::MissingInOrder(text.substr(0, text.find('\n', text.find(kCard[12]))), card), "") << text;
    EXPECT_TRUE(session.FileUnchanged());

    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    const Layout sheet = CardSheet();
    for (const ArtItem& art : sheet.artwork())
        if (const auto* outline = std::get_if<FrameArt>(&art)) { EXPECT_EQ(page.FrameMiss(outline->rect), 0); }
}

}  // namespace
}  // namespace papyrka::vevuvez
