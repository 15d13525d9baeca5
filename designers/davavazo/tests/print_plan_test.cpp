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

}  // namespace
}  // namespace papyrka::davavazo
