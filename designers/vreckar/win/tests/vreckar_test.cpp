// Vreckar end to end: the sleeve and its framed boxes to the dot, filled by button and menu.
#include <gtest/gtest.h>

#include "designers/vreckar/vreckar.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::vreckar {
namespace {

TEST(Vreckar, SleeveOutlineAndBoxesLieWhereTheyBelongAndEachPrintFillsItsBoxes) {
    static const Designer designer{VreckarDesigner()};
    // File order: name, contents 2, number, contents 3, contents 1, contents 4 to 8.
    test::DesignerSession session(designer, {{"Ján Mrkvička", "2 Queen", "CD-017", "3 Elán", "1 Pink Floyd", "4 Team",
                                              "5 Modus", "6 Hex", "7 Lojzo", "8 Tublatanka"},
                                             {"Eva Hrušková", "", "", "", "", "", "", "6 Suchoň"}});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    // "Vytlačiť": all ten boxes from the boxes on screen, top to bottom.
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    EXPECT_EQ(test::MissingInOrder(text, {"Ján Mrkvička", "CD-017", "1 Pink Floyd", "2 Queen", "3 Elán", "4 Team",
                                          "5 Modus", "6 Hex", "7 Lojzo", "8 Tublatanka"}),
              "") << text;
    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    // Across the flaps and the front panel; down the top flap, front and back panel.
    EXPECT_EQ(page.LinesAcrossRow(5000, 0, 9945),
              (std::vector<int>{page.DotX(285), page.DotX(1425), page.DotX(8505), page.DotX(9645)}));
    EXPECT_EQ(page.LinesAcrossColumn(3400, 0, 16005),
              (std::vector<int>{page.DotY(270), page.DotY(1410), page.DotY(8490), page.DotY(15525)}));
    const Layout sleeve = Sleeve();   // kept: a loop over a temporary's boxes would read freed memory
    for (const LayoutBox& box : sleeve.boxes()) EXPECT_EQ(page.FrameMiss(box.rect), 0) << box.name;

    // Another disc through "Adresát + Odosielateľ": contents 7 and 8 stay the first disc's.
    session.driver().Click(session.driver().AtTwips(1440 + 240, 3600 + 240));   // Image2
    ASSERT_FALSE(session.Choose("Label9", 2).empty());
    for (auto [box, expected] : {std::pair{"Label1", "Eva Hrušková"}, {"Label8", "6 Suchoň"}, {"Label14", "7 Lojzo"},
                                 {"Label15", "8 Tublatanka"}})
        EXPECT_EQ(session.Line(box), Cp1250ToUtf16(Utf8ToCp1250(expected))) << box;
}

}  // namespace
}  // namespace papyrka::vreckar
