// Layouts as data: twips to device units, where a layout lands on paper, and how a box's
// text falls into lines. How a print plan fills a layout, the print-choice test shows.
#include "layout/layout.h"
#include "layout/layout_paper.h"
#include "layout/layout_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace papyrka {
namespace {

TEST(Twips, RoundToTheNearestDeviceUnitOnEachAxisByItsOwnResolution) {
    const struct { int twips, dpi, device; } table[] = {
        {7, 96, 0},       {8, 96, 1},          {5895, 96, 393},     {6000, 120, 500}, {255, 144, 26},
        {5115, 300, 1066}, {5115, 600, 2131},  {-15, 96, -1},       {-7, 96, 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(TwipsToDevice(row.twips, row.dpi), row.device) << row.twips << " twips at " << row.dpi;
    const DeviceMapping map{300, 600, 50, 70};   // each axis its own resolution, the origin kept
    EXPECT_EQ((std::array{map.X(1440), map.Y(1440), map.W(1440), map.H(1440)}), (std::array{350, 670, 300, 600}));
}

TEST(PaperPlacement, OffsetsAndEachAxisResolutionPlaceTheLayoutAndWhatDoesNotFitIsCut) {
    const struct { PrinterCaps caps; TwipsPoint point; int x, y; } cases[] = {
        {{300, 300, 0, 0, 2479, 3508}, {240, 360}, 50, 75},                        // PDF printer: no offset
        {{600, 600, 100, 118, 4760, 6779}, {240, 360}, 200, 268},                  // laser: 1/6 inch offsets
        {{300, 600, 50, 100, 2400, 6800}, {5355, 3210}, 50 + 1116, 100 + 1338},   // 300 x 600 dpi
    };
    for (const auto& c : cases)
        EXPECT_EQ((std::array{PaperDot(c.caps, c.point).x, PaperDot(c.caps, c.point).y}), (std::array{c.x, c.y}));
    EXPECT_EQ(PrinterMapping({600, 300, 100, 50, 0, 0}).X(1440), 600);   // the DC has no offset of its own

    // The card sheet (12000 x 16995) on A4 at 600 dpi with 1/6 inch margins is cut, not scaled.
    const TwipsRect cut = PrintedPart({600, 600, 100, 100, 4760, 6814}, 12000, 16995);
    const TwipsRect whole = PrintedPart({300, 600, 0, 0, 2400, 6800}, 4185, 3090);
    EXPECT_EQ((std::array{cut.width, cut.height, whole.width, whole.height}), (std::array{11424, 16353, 4185, 3090}));
    EXPECT_EQ(PrintedPart({300, 600, 0, 0, 300, 600}, 4185, 3090).height, 1440);   // each axis by its own dots
    EXPECT_EQ(PrintedPart({0, 0, 0, 0, 300, 600}, 4185, 3090).width, 0);           // broken caps print nothing
}

using L = std::vector<std::u16string>;

// Ten units a character, so a box 100 wide holds ten characters.
int FakeWidth(std::u16string_view text) { return static_cast<int>(text.size()) * 10; }

L Lines(std::u16string_view text, int width, int maxLines = 100) {
    L result;
    for (const TextLine& line : WrapText(text, width, FakeWidth, maxLines)) {
        EXPECT_EQ(line.width, FakeWidth(text.substr(line.start, line.length)));
        result.emplace_back(text.substr(line.start, line.length));
    }
    return result;
}

TEST(WrapText, BreaksAtSpacesLineBreaksAndKeepsLongWordsWhole) {
    const struct { const char* what; std::u16string_view text; int width; L expected; } cases[] = {
        {"empty text has no lines", u"", 100, {}},
        {"exactly the width", u"0123456789", 100, {u"0123456789"}},
        {"wraps at the last space that fits", u"Obchodná 12 Bratislava", 100, {u"Obchodná", u"12", u"Bratislava"}},
        {"several words per line", u"aa bb cc dd ee", 50, {u"aa bb", u"cc dd", u"ee"}},
        {"spaces at a break vanish", u"aaaa     bbbb", 50, {u"aaaa", u"bbbb"}},
        {"leading spaces are kept", u"  ab", 100, {u"  ab"}},
        {"only spaces", u"   ", 100, {u"   "}},
        {"long single word stays whole", u"Podpredsedníčka", 100, {u"Podpredsedníčka"}},
        {"long word after a short one moves down", u"a Podpredsedníčka b", 100, {u"a", u"Podpredsedníčka", u"b"}},
        {"LF, CR LF and a lone CR are one break each", u"ab\ncd\r\nef\rgh", 100, {u"ab", u"cd", u"ef", u"gh"}},
        {"empty paragraph keeps its line", u"ab\n\ncd", 100, {u"ab", u"", u"cd"}},
        {"zero-width box gives a word a line", u"ab cd", 0, {u"ab", u"cd"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.expected) << c.what;
}

TEST(WrapText, StopsAtTheLinesTheBoxCanShowAndMeasuresOnlyThatFar) {
    EXPECT_EQ(Lines(u"aa bb cc dd", 20, 2), (L{u"aa", u"bb"}));
    EXPECT_EQ(Lines(u"aa\nbb\ncc", 100, 1), (L{u"aa"}));
    EXPECT_TRUE(Lines(u"aa", 100, 0).empty());
    int calls = 0;
    const MeasureText counting = [&calls](std::u16string_view piece) { return ++calls, FakeWidth(piece); };
    std::u16string words;
    for (int i = 0; i < 20000; ++i) words += u"slovo ";
    EXPECT_EQ(WrapText(std::u16string(200000, u'x'), 100, counting, 1).size(), 1u);
    EXPECT_EQ(WrapText(words, 100, counting, 1).size(), 1u);
    EXPECT_LT(calls, 10);
}

TEST(BoxLines, WholeLinesShowButAlwaysTheFirstAndWideLinesOverhangByAlignment) {
    // An 8.25 pt line (195 twips) in boxes of several heights; a box lower than its font is cut.
    for (auto [box, line, shown] : {std::array{255, 195, 1}, {390, 195, 2}, {389, 195, 1}, {100, 195, 1}, {0, 0, 1}})
        EXPECT_EQ(VisibleLineCount(box, line), shown) << box;
    // Lines set wider apart than the font is high: the last one needs only its own height.
    for (auto [box, line, pitch, shown] : {std::array{672, 49, 50, 13}, {648, 49, 50, 12}, {40, 49, 50, 1}})
        EXPECT_EQ(VisibleLineCount(box, line, pitch), shown) << box;
    // Lines of 40 and 160 in a box 100 wide: a wide one is cut on the right, both sides or the left.
    const struct { Align align; int narrow, wide; } offsets[] = {{Align::Left, 0, 0}, {Align::Centre, 30, -30},
                                                                 {Align::Right, 60, -60}};
    for (const auto& o : offsets)
        EXPECT_EQ((std::array{LineOffset(o.align, 100, 40), LineOffset(o.align, 100, 160)}), (std::array{o.narrow, o.wide}));
}

}  // namespace
}  // namespace papyrka
