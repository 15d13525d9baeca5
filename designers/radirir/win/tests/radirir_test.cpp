// Radirir end to end: the label's lines in the editor's order, its frame to the dot, its grey inside.
#include <gtest/gtest.h>

#include "designers/radirir/radirir.h"
#include "testing/win/designer_session.h"
#include "testing/win/printed_page.h"

namespace papyrka::radirir {
namespace {

TEST(Radirir, PrintPutsTheLinesInTheEditorsOrderOnTheLabelFaceAndSavesNothing) {
    static const Designer designer{RadirirDesigner()};
    // In file order: the number, then the lines as the file keeps them; each names its place.
    test::DesignerSession session(designer, {{"42", "tretí mzdy", "prvý účtovníctvo", "štvrtý dane", "druhý faktúry",
                                              "piaty pokladňa", "šiesty zmluvy", "siedmy sklad", "ôsmy heslá"}});
    if (!session.ok()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh as root";

    session.Type("txtmemo1", " (neuložené)");
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    const size_t caption = text.find("Číslo radirir :");   // whole, and the number beside it
    EXPECT_EQ(text.find('\n', caption), text.find("42\n", caption) + 2) << text;
    EXPECT_EQ(test::MissingInOrder(text, {"prvý účtovníctvo", "druhý faktúry", "tretí mzdy", "štvrtý dane",
                                          "piaty pokladňa", "šiesty zmluvy", "siedmy sklad", "ôsmy heslá (neuložené)"}),
              "") << text;
    EXPECT_TRUE(session.FileUnchanged());

    const test::PrintedPage page(pdf);
    ASSERT_TRUE(page.ok());
    // The rounded frame's sides; its top, the rule under the band and its bottom.
    const std::vector<int> sides = page.LinesAcrossRow(2850, 0, 4185), down = page.LinesAcrossColumn(4000, 0, 3090);
    ASSERT_TRUE(sides.size() == 2 && down.size() == 3) << testing::PrintToString(sides) << testing::PrintToString(down);
    for (auto [found, expected] : {std::pair{sides[0], page.DotX(105)}, {sides[1], page.DotX(4080)},
                                   {down[0], page.DotY(120)}, {down[1], page.DotY(660)}, {down[2], page.DotY(2955)}})
        EXPECT_NEAR(found, expected, 1);
    // Grey fills the band up to the frame, but not the corners outside its rounded curve.
    const auto level = [&](int x, int y) { return page.image().at(x, y); };
    for (int x = page.DotX(120), y = page.DotY(600); x < page.DotX(4080); ++x)
        ASSERT_TRUE(level(x, y) > 170 && level(x, y) < 210) << x;
    EXPECT_GT(level(page.DotX(120), page.DotY(135)), 245);
    EXPECT_GT(level(page.DotX(4080) - 1, page.DotY(135)), 245);
}

}  // namespace
}  // namespace papyrka::radirir
