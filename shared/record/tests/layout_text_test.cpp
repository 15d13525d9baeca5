#include "layout_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace papyrka {
namespace {

// Ten units a character, so a box 100 wide holds ten characters.
int FakeWidth(std::u16string_view text) { return static_cast<int>(text.size()) * 10; }

std::vector<std::u16string> Lines(std::u16string_view text, int width, int maxLines = 100) {
    std::vector<std::u16string> result;
    for (const TextLine& line : WrapText(text, width, FakeWidth, maxLines)) {
        EXPECT_EQ(line.width, FakeWidth(text.substr(line.start, line.length)));
        result.emplace_back(text.substr(line.start, line.length));
    }
    return result;
}

using L = std::vector<std::u16string>;

struct WrapCase {
    const char* what;
    std::u16string_view text;
    int width;
    L expected;
};

TEST(WrapText, BreaksAtSpacesLineBreaksAndKeepsLongWordsWhole) {
    const WrapCase cases[] = {
        {"empty text has no lines", u"", 100, {}},
        {"fits", u"Ján Novák", 100, {u"Ján Novák"}},
        {"exactly the width", u"0123456789", 100, {u"0123456789"}},
        {"wraps at the last space that fits", u"Obchodná 12 Bratislava", 100, {u"Obchodná", u"12", u"Bratislava"}},
        {"several words per line", u"aa bb cc dd ee", 50, {u"aa bb", u"cc dd", u"ee"}},
        {"spaces at a break vanish", u"aaaa     bbbb", 50, {u"aaaa", u"bbbb"}},
        {"leading spaces are kept", u"  ab", 100, {u"  ab"}},
        {"long single word stays whole", u"Podpredsedníčka", 100, {u"Podpredsedníčka"}},
        {"long word after a short one moves down", u"a Podpredsedníčka b", 100, {u"a", u"Podpredsedníčka", u"b"}},
        {"LF starts a line", u"ab\ncd", 100, {u"ab", u"cd"}},
        {"CR LF is one break", u"ab\r\ncd", 100, {u"ab", u"cd"}},
        {"lone CR is a break", u"ab\rcd", 100, {u"ab", u"cd"}},
        {"empty paragraph keeps its line", u"ab\n\ncd", 100, {u"ab", u"", u"cd"}},
        {"only spaces", u"   ", 100, {u"   "}},
        {"zero-width box gives a word a line", u"ab cd", 0, {u"ab", u"cd"}},
    };
    for (const WrapCase& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.expected) << c.what;
}

TEST(WrapText, StopsAtTheLinesTheBoxCanShow) {
    EXPECT_EQ(Lines(u"aa bb cc dd", 20, 2), (L{u"aa", u"bb"}));
    EXPECT_EQ(Lines(u"aa\nbb\ncc", 100, 1), (L{u"aa"}));
    EXPECT_TRUE(Lines(u"aa", 100, 0).empty());

    // A huge pasted text is measured only as far as the box reaches.
    int calls = 0;
    const std::u16string huge(200000, u'x');
    const MeasureText counting = [&calls](std::u16string_view piece) {
        ++calls;
        return FakeWidth(piece);
    };
    std::u16string words;
    for (int i = 0; i < 20000; ++i) words += u"slovo ";
    EXPECT_EQ(WrapText(huge, 100, counting, 1).size(), 1u);
    EXPECT_EQ(WrapText(words, 100, counting, 1).size(), 1u);
    EXPECT_LT(calls, 10);
}

TEST(VisibleLineCount, WholeLinesOnlyButAlwaysTheFirst) {
    EXPECT_EQ(VisibleLineCount(255, 195), 1);    // an 8.25 pt line in a card line's box
    EXPECT_EQ(VisibleLineCount(390, 195), 2);
    EXPECT_EQ(VisibleLineCount(389, 195), 1);
    EXPECT_EQ(VisibleLineCount(100, 195), 1);    // box lower than its font: cut at the bottom
    EXPECT_EQ(VisibleLineCount(0, 0), 1);
}

TEST(LineOffset, CentredAndRightAlignedLinesWiderThanTheBoxOverhangTheRightSides) {
    EXPECT_EQ(LineOffset(Align::Left, 100, 40), 0);
    EXPECT_EQ(LineOffset(Align::Centre, 100, 40), 30);
    EXPECT_EQ(LineOffset(Align::Right, 100, 40), 60);
    EXPECT_EQ(LineOffset(Align::Left, 100, 160), 0);       // cut on the right
    EXPECT_EQ(LineOffset(Align::Centre, 100, 160), -30);   // cut on both sides
    EXPECT_EQ(LineOffset(Align::Right, 100, 160), -60);    // cut on the left
}

}  // namespace
}  // namespace papyrka
