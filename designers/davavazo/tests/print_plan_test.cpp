#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1250.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// The printed order is not the file's (name, phone 2, address, company, phone 1, e-mail,
// notes 1, notes 2), and a line break of any kind inside a field starts a new line.
TEST(ContactListLines, TheTitleThenPerRecordABlankLineAndEightLabelledLinesInListOrder) {
    RecordList list(8);
    EXPECT_EQ(ContactListLines(list), Lines{u"Davavazo"});
    for (const auto& fields : {std::vector<const char*>{"Novák Ján", "0905 222", "Hlavná 1", "Firma", "02 111",
                                                        "jan@novak.sk", "prvý\r\ndruhý", "x\ny\rz\r\n"},
                               {"Áčko Ľudo"}}) {
        list.append();
        for (size_t i = 0; i < fields.size(); ++i) list.at(list.count()).set(i, Utf8ToCp1250(fields[i]));
    }
    list.setCurrent(2);   // the list prints from its start all the same
    const Lines expected{u"Davavazo", u"", U("Priezvisko a meno : Novák Ján"), U("Adresa : Hlavná 1"),
                         U("Telefónne číslo 1 : 02 111"), U("Telefónne číslo 2 : 0905 222"), U("Názov firmy : Firma"),
                         U("E - mail : jan@novak.sk"), U("Poznámky 1 : prvý"), U("druhý"), U("Poznámky 2 : x"), u"y",
                         u"z", u"", u"", U("Priezvisko a meno : Áčko Ľudo"), U("Adresa : "),
                         U("Telefónne číslo 1 : "), U("Telefónne číslo 2 : "), U("Názov firmy : "), U("E - mail : "),
                         U("Poznámky 1 : "), U("Poznámky 2 : ")};
    EXPECT_EQ(ContactListLines(list), expected);
}

}  // namespace
}  // namespace papyrka::davavazo
