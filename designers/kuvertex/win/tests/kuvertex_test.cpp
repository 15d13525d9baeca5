// Kuvertex end to end: the envelope's pattern to the dot, and the menu's choices one after another.
#include <gtest/gtest.h>

#include "designers/kuvertex/kuvertex.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::kuvertex {
namespace {

constexpr int kAddressee = 1, kBoth = 2;   // menu items, from the top

TEST(Kuvertex, ThePatternLiesWhereItsLinesAreAndEachChoicePrintsItsLinesFromTheBoxesAsTheyStand) {
    static const Designer designer{KuvertexDesigner()};
    // File order: salutation, town, name, sender's first line, street; sender's name, street, town.
    test::DesignerSession session(designer, {{"Vážený pán", "811 01 Bratislava", "Ing. Peter Kováč", "Odosielateľ:",
                                              "Obchodná 12", "Mária Horváthová", "Lesná 5", "040 01 Košice"},
                                             {"Vážená pani", "974 01 Banská Bystrica", "Zuzana Šimková", "Od:",
                                              "Hlavná 125", "Juraj Baláž", "Nová 8", "010 01 Žilina"}});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    std::wstring pdf = session.Choose("Label13", kBoth);   // "Adresát + Odosielateľ" on record 1
    ASSERT_FALSE(pdf.empty());
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    // Each edge where a row, or for a level edge a column, a third along it crosses it: a line
    // lies on the pixels that start at its coordinates, so its middle runs through theirs.
    const auto middleX = [&](int x) { return (page.DotX(x) + page.DotX(x + 15)) / 2.0; };
    const auto middleY = [&](int y) { return (page.DotY(y) + page.DotY(y + 15)) / 2.0; };
    const Layout envelope = Envelope();
    for (const ArtItem& art : envelope.artwork()) {
        const auto [from, to] = std::get<LineArt>(art);
        const int x = from.x + (to.x - from.x) / 3, y = from.y + (to.y - from.y) / 3;
        const bool level = from.y == to.y;
        const std::vector<int> found =
            level ? page.LinesAcrossColumn(x, y - 300, y + 300) : page.LinesAcrossRow(y, x - 300, x + 300);
        ASSERT_EQ(found.size(), 1u) << x << "," << y;
        int end = found[0];
        while (level ? page.Dark(page.DotX(x), end) : page.Dark(end, page.DotY(y))) ++end;
        const double x0 = middleX(from.x), x1 = middleX(to.x), y0 = middleY(from.y), y1 = middleY(to.y);
        const double expected = level ? y0 : x0 + (x1 - x0) * (page.DotY(y) + 0.5 - y0) / (y1 - y0);
        // A slanted pen's middle lies on a whole dot, a 3-dot line's middle between two.
        EXPECT_NEAR((found[0] + end) / 2.0, expected, from.x != to.x && !level ? 1.5 : 1.0) << x << "," << y;
    }

    // "Adresát" on record 2, edited and never saved: its addressee under record 1's sender, upper left.
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
