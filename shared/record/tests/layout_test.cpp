#include "layout.h"
#include "layout_paper.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace papyrka {
namespace {

Layout TwoBoxes() {
    return Layout(4000, 3000, {FrameArt{{0, 0, 4000, 3000}}},
                  {LayoutBox{"Label1", {120, 120, 2000, 255}},
                   LayoutBox{"Label2", {120, 360, 2000, 255}, {}, Align::Left, kBlack, false, false, u"P.T."}});
}

TEST(Layout, BoxesStartWithTheirTableTextAndTakeTextsUnchanged) {
    Layout layout = TwoBoxes();
    EXPECT_EQ(layout.Text("Label1"), u"");
    EXPECT_EQ(layout.Text("Label2"), u"P.T.");

    EXPECT_TRUE(layout.SetText("Label1", u"  Ďurčo\r\nŠtúr  "));
    EXPECT_EQ(layout.Text("Label1"), u"  Ďurčo\r\nŠtúr  ");
    EXPECT_TRUE(layout.SetText("Label1", u""));
    EXPECT_EQ(layout.Text("Label1"), u"");
}

TEST(Layout, AnUnknownBoxChangesNothing) {
    Layout layout = TwoBoxes();
    layout.SetText("Label1", u"stays");
    EXPECT_FALSE(layout.SetText("label1", u"x"));   // names are exact
    EXPECT_FALSE(layout.SetText("Label3", u"x"));
    EXPECT_EQ(layout.Text("Label1"), u"stays");
    EXPECT_EQ(layout.Text("Label3"), u"");
    EXPECT_EQ(layout.Find("Label3"), -1);
}

TEST(FillLayout, FillsThePlanInOrderAndLeavesOtherBoxesAlone) {
    Layout layout = TwoBoxes();
    layout.SetText("Label2", u"earlier print");
    const std::map<std::string_view, std::u16string> editor{{"txtPhone1", u"0905 123 456"}, {"txtFax", u""}};
    const BoxTextSource textOf = [&editor](std::string_view control) { return editor.at(control); };

    EXPECT_TRUE(FillLayout(layout, {{"Label1", "txtPhone1"}}, textOf));
    EXPECT_EQ(layout.Text("Label1"), u"0905 123 456");
    EXPECT_EQ(layout.Text("Label2"), u"earlier print");

    // Later entries win, an empty text empties its box, and an unknown box is reported
    // without stopping the rest of the plan.
    EXPECT_FALSE(FillLayout(layout, {{"Label9", "txtFax"}, {"Label1", "txtPhone1"}, {"Label1", "txtFax"}}, textOf));
    EXPECT_EQ(layout.Text("Label1"), u"");
}

TEST(PaperPlacement, OffsetsAndEachAxisResolutionMoveTheLayoutOnThePaper) {
    struct Case {
        PrinterCaps caps;
        TwipsPoint point;
        DotPoint expected;
    };
    const Case cases[] = {
        {{300, 300, 0, 0, 2479, 3508}, {240, 360}, {50, 75}},            // PDF printer: no offset
        {{600, 600, 100, 118, 4760, 6779}, {240, 360}, {200, 268}},      // laser: 1/6 inch offsets
        {{300, 600, 50, 100, 2400, 6800}, {5355, 3210}, {50 + 1116, 100 + 1338}},   // 300 x 600 dpi
        {{360, 180, 13, 7, 2900, 2000}, {0, 0}, {13, 7}},
    };
    for (const Case& c : cases) {
        const DotPoint dot = PaperDot(c.caps, c.point);
        EXPECT_EQ(dot.x, c.expected.x) << c.caps.dpiX << " x " << c.caps.dpiY;
        EXPECT_EQ(dot.y, c.expected.y) << c.caps.dpiX << " x " << c.caps.dpiY;
    }
    EXPECT_EQ(PrinterMapping({600, 300, 100, 50, 0, 0}).X(1440), 600);   // the DC has no offset of its own
}

TEST(PaperPlacement, ALayoutLargerThanThePrintableAreaIsCutNotScaled) {
    // The card sheet (12000 x 16995) on A4 at 600 dpi with 1/6 inch margins.
    const TwipsRect cut = PrintedPart({600, 600, 100, 100, 4760, 6814}, 12000, 16995);
    EXPECT_EQ(cut.width, 11424);
    EXPECT_EQ(cut.height, 16353);
    // A small label fits whole; a 300 x 600 dpi printer measures each axis by its own dots.
    const TwipsRect whole = PrintedPart({300, 600, 0, 0, 2400, 6800}, 4185, 3090);
    EXPECT_EQ(whole.width, 4185);
    EXPECT_EQ(whole.height, 3090);
    EXPECT_EQ(PrintedPart({300, 600, 0, 0, 300, 600}, 4185, 3090).height, 1440);
    EXPECT_EQ(PrintedPart({0, 0, 0, 0, 300, 600}, 4185, 3090).width, 0);   // broken caps print nothing
}

}  // namespace
}  // namespace papyrka
