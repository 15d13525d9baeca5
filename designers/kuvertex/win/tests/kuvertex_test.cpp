// Kuvertex end to end: the envelope printed through the real editor window and the real
// pop-up menu, choices picked with the keyboard, read back from the test printer's PDF.
#include <gtest/gtest.h>

#include "designers/kuvertex/kuvertex.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::kuvertex {
namespace {

constexpr int kBlank = 0, kAddressee = 1, kBoth = 2;   // menu items, from the top

// In file order: salutation, postcode and town, name, sender's first line, street, then
// the sender's name, street, postcode and town.
const std::vector<test::TestRecord> kEnvelopes = {
    {"Vážený pán", "811 01 Bratislava", "Ing. Peter Kováč", "Odosielateľ:", "Obchodná 12", "Mária Horváthová",
     "Lesná 5", "040 01 Košice"},
    {"Vážená pani", "974 01 Banská Bystrica", "Zuzana Šimková", "Od:", "Hlavná 125", "Juraj Baláž", "Nová 8",
     "010 01 Žilina"},
};

TEST(Kuvertex, ThePatternLiesWhereItsLinesAreAndEachChoicePrintsItsLinesFromTheBoxesAsTheyStand) {
    static const Designer designer{KuvertexDesigner()};
    test::DesignerSession session(designer, kEnvelopes);
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    // First print of the run, a blank envelope: the bare pattern, no text.
    std::wstring pdf = session.Choose("Label13", kBlank);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfText(pdf).find_first_not_of(" \n\f"), std::string::npos);
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    // Each edge where a row or a column a third along it crosses it: a line lies on the
    // pixel that starts at its coordinate, a slanted one through the middles of its end pixels.
    const auto middleX = [&](int x) { return (page.DotX(x) + page.DotX(x + 15)) / 2.0; };
    const auto middleY = [&](int y) { return (page.DotY(y) + page.DotY(y + 15)) / 2.0; };
    const Layout envelope = Envelope();
    for (const ArtItem& art : envelope.artwork()) {
        const auto [from, to] = std::get<LineArt>(art);
        const TwipsPoint at{from.x + (to.x - from.x) / 3, from.y + (to.y - from.y) / 3};
        const bool across = from.y == to.y;   // a horizontal edge, met by a column
        const std::vector<int> found = across ? page.LinesAcrossColumn(at.x, at.y - 300, at.y + 300)
                                              : page.LinesAcrossRow(at.y, at.x - 300, at.x + 300);
        ASSERT_EQ(found.size(), 1u) << at.x << "," << at.y;
        int end = found[0];
        while (across ? page.Dark(page.DotX(at.x), end) : page.Dark(end, page.DotY(at.y))) ++end;
        const double row = page.DotY(at.y) + 0.5, a = middleY(from.y), b = middleY(to.y);
        const double expected = across ? middleY(at.y)
                                       : middleX(from.x) + (middleX(to.x) - middleX(from.x)) * (row - a) / (b - a);
        // A slanted pen's middle lies on a whole dot, a 3-dot line's middle between two.
        EXPECT_NEAR((found[0] + end) / 2.0, expected, from.x != to.x && !across ? 1.5 : 1.0) << at.x << "," << at.y;
    }

    // "Adresát + Odosielateľ" on record 1, then "Adresát" through "MENU >" on record 2, edited and
    // never saved: record 2's addressee under record 1's sender, upper left.
    ASSERT_FALSE(session.Choose("Label13", kBoth).empty());
    session.driver().Click(session.driver().AtTwips(5160 + 240, 2280 + 240));   // Image2
    session.Type("txtFax", ", byt 3");
    pdf = session.Choose("Label9", kAddressee);
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    EXPECT_EQ(test::MissingInOrder(text, {"Odosielateľ:", "Mária Horváthová", "Lesná 5", "040 01 Košice", "Vážená pani",
                                          "Zuzana Šimková", "Hlavná 125, byt 3", "974 01 Banská Bystrica"}),
              "") << text;
    EXPECT_TRUE(session.FileUnchanged());
}

}  // namespace
}  // namespace papyrka::kuvertex
