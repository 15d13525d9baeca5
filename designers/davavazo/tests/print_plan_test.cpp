#include <gtest/gtest.h>

#include "base/cp1250.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {
namespace {

using Lines = std::vector<std::u16string>;

// The list's shape; its labels and their order are checked on paper by the test under Wine.
// A typed note holds CR LF, a record file edited by hand a lone CR or LF.
TEST(ContactListLines, TheTitleThenABlankLineBeforeEachRecordAndEveryLineBreakStartsALine) {
    RecordList list(8);
    list.append();
    list.at(1).set(6, Utf8ToCp1250("prvý\r\ndruhý"));
    list.at(1).set(7, "x\ny\rz\r\n");
    const Lines lines = ContactListLines(list);
    ASSERT_EQ(lines.size(), 2u + 6u + 6u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{u"Davavazo", u"", u"Priezvisko a meno : "}));
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()),
              (Lines{u"Poznámky 1 : prvý", u"druhý", u"Poznámky 2 : x", u"y", u"z", u""}));
}

}  // namespace
}  // namespace papyrka::davavazo
