// Vevuvez end to end: "Vytlačiť" in the real editor window fills all ten cards of the sheet
// from the boxes as they stand and prints one page, read back from the test printer's PDF.
#include <gtest/gtest.h>

#include "designers/vevuvez/vevuvez.h"
#include "testing/win/designer_session.h"
#include "testing/win/gdi_count.h"

namespace papyrka::vevuvez {
namespace {

int Occurrences(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
        ++count;
    return count;
}

// Two cards that share no text; the second leaves txt5 empty.
const std::vector<test::TestRecord> kCards = {
    {"JM01", "Papierne Žilina, s.r.o.", "Ján Mrkvička", "Hlinkova 12, 010 01 Žilina", "obchodný zástupca",
     "041 562 11 22", "fax 041 562 11 23", "0905 123 456", "jan@papierne.sk", "Pobočka Košice", "Hlavná 5",
     "040 01 Košice", "055 622 33 44"},
    {"EH02", "Kníhkupectvo Ďumbier", "Eva Hrušková", "Nám. SNP 3, Banská Bystrica", "vedúca predajne",
     "048 415 22 10", "fax 048 415 22 11", "0911 765 432", "eva@dumbier.sk", "Sklad Zvolen", "Lesná 18",
     "960 01 Zvolen", ""},
};

TEST(Vevuvez, PrintFillsTenCardsFromTheBoxesAsTheyStandSavesNothingAndLeaksNothing) {
    static const Designer designer{VevuvezDesigner()};
    test::DesignerSession session(designer, kCards);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtFax", " a konzultant");   // unsaved: printed, never stored
    std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    std::string text = test::PdfText(pdf);
    EXPECT_EQ(Occurrences(text, "obchodný zástupca a konzultant"), 10) << text;
    for (size_t field = 1; field < kCards[0].size(); ++field)
        EXPECT_EQ(Occurrences(text, kCards[0][field]), 10) << kCards[0][field];
    EXPECT_EQ(Occurrences(text, "JM01"), 0) << "the identifier is never printed";
    EXPECT_TRUE(session.FileUnchanged());

    const DWORD gdiObjects = test::GdiObjectCount();
    session.driver().Click(session.driver().AtTwips(4680 + 240, 4920 + 240));   // Image2: the next card
    pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    text = test::PdfText(pdf);
    for (size_t field = 1; field + 1 < kCards[1].size(); ++field)
        EXPECT_EQ(Occurrences(text, kCards[1][field]), 10) << kCards[1][field];
    for (size_t field = 1; field < kCards[0].size(); ++field) EXPECT_EQ(Occurrences(text, kCards[0][field]), 0);
    EXPECT_EQ(session.Line("Label120"), u"") << "an empty box empties its line";

    for (int round = 0; round < 2; ++round) EXPECT_FALSE(session.Print("Label13").empty());
    EXPECT_EQ(test::GdiObjectCount(), gdiObjects);
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::vevuvez
