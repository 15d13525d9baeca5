#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1250.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// The labels and their order, which the table gives, are checked on paper by the program's
// test under Wine; here the list's shape. A note holds CR LF as typed, but a record file
// edited by hand may hold a lone CR or LF.
TEST(ContactListLines, TheTitleThenABlankLineBeforeEachRecordAndEveryLineBreakStartsALine) {
    RecordList list(8);
    EXPECT_EQ(ContactListLines(list), Lines{u"Davavazo"});
    list.append();
    list.at(1).set(6, Utf8ToCp1250("prvý\r\ndruhý"));
    list.at(1).set(7, "x\ny\rz\r\n");
    const Lines lines = ContactListLines(list);
    ASSERT_EQ(lines.size(), 2u + 6u + 6u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{u"Davavazo", u"", U("Priezvisko a meno : ")}));
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()),
              (Lines{U("Poznámky 1 : prvý"), U("druhý"), U("Poznámky 2 : x"), u"y", u"z", u""}));
}

}  // namespace
}  // namespace papyrka::davavazo
