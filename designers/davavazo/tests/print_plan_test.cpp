#include <gtest/gtest.h>

#include "base/cp1250.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {
namespace {

// A typed note holds CR LF, a record file edited by hand a lone CR or LF: each starts a line.
TEST(ContactListLines, TheTitleThenABlankLineBeforeEachRecordAndEveryLineBreakStartsALine) {
    RecordList list(8);
    list.append();
    list.at(1).set(6, Utf8ToCp1250("prvý\r\ndruhý"));
    list.at(1).set(7, "x\ny\rz\r\n");
    EXPECT_EQ(ContactListLines(list),
              (std::vector<std::u16string>{u"Davavazo", u"", u"Priezvisko a meno : ", u"Adresa : ",
                                           u"Telefónne číslo 1 : ", u"Telefónne číslo 2 : ", u"Názov firmy : ",
                                           u"E - mail : ", u"Poznámky 1 : prvý", u"druhý", u"Poznámky 2 : x", u"y",
                                           u"z", u""}));
}

// A fake device: every character 10 units wide, a line 100 wide.
TEST(FitToWidth, LongLinesWrapUnderTheTextAfterTheLabelAndTabsBecomeSpaces) {
    const MeasureText measure = [](std::u16string_view text) { return static_cast<int>(text.size()) * 10; };
    const struct { std::u16string line; std::vector<PrintedLine> printed; } cases[] = {
        {u"a\tb", {{0, u"a       b"}}},
        {u"x : ab cd efgh", {{0, u"x : ab cd"}, {40, u"efgh"}}},
        {u"Adresa : ab cd", {{0, u"Adresa :"}, {0, u"ab cd"}}},   // too wide a label to indent under
        {u"x : abcdefghijklmno", {{0, u"x : abcdef"}, {40, u"ghijkl"}, {40, u"mno"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line.begin(), c.line.end()));
        const std::vector<PrintedLine> printed = FitToWidth({c.line}, 100, measure);
        ASSERT_EQ(printed.size(), c.printed.size());
        for (size_t i = 0; i < printed.size(); ++i) {
            EXPECT_EQ(printed[i].indent, c.printed[i].indent) << i;
            EXPECT_TRUE(printed[i].text == c.printed[i].text) << i;
        }
    }
}

}  // namespace
}  // namespace papyrka::davavazo
