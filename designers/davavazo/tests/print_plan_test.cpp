#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1250.h"
#include "designers/davavazo/print_plan.h"

namespace papyrka::davavazo {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// Fields in file order: name, phone 2, address, company, phone 1, e-mail, notes 1, notes 2.
void Add(RecordList& list, std::vector<const char*> fields) {
    list.append();
    for (size_t i = 0; i < fields.size(); ++i) list.at(list.count()).set(i, Utf8ToCp1250(fields[i]));
}

TEST(ContactListLines, TheTitleThenPerRecordABlankLineAndEightLabelledLinesInListOrder) {
    RecordList list(8);
    EXPECT_EQ(ContactListLines(list), Lines{u"Davavazo"});
    Add(list, {"Novák Ján", "0905 222", "Hlavná 1", "Firma", "02 111", "jan@novak.sk", "", ""});
    Add(list, {"Áčko Ľudo", "", "", "", "", "", "", ""});
    Add(list, {"Zeman", "", "Dolná 5", "", "", "", "pozn", "druhá"});
    list.setCurrent(2);
    Lines expected{u"Davavazo"};
    const char* blocks[][8] = {{"Novák Ján", "Hlavná 1", "02 111", "0905 222", "Firma", "jan@novak.sk", "", ""},
                               {"Áčko Ľudo", "", "", "", "", "", "", ""},
                               {"Zeman", "Dolná 5", "", "", "", "", "pozn", "druhá"}};
    const char* labels[] = {"Priezvisko a meno : ", "Adresa : ",      "Telefónne číslo 1 : ", "Telefónne číslo 2 : ",
                            "Názov firmy : ",       "E - mail : ",    "Poznámky 1 : ",        "Poznámky 2 : "};
    for (const auto& block : blocks) {
        expected.emplace_back();
        for (int i = 0; i < 8; ++i) expected.push_back(U(labels[i]) + U(block[i]));
    }
    EXPECT_EQ(ContactListLines(list), expected);
}

TEST(ContactListLines, LineBreaksInsideAFieldStartNewLines) {
    RecordList list(8);
    Add(list, {"A", "", "", "", "", "", "prvý\r\ndruhý", "x\ny\rz\r\n"});
    const Lines lines = ContactListLines(list);
    ASSERT_EQ(lines.size(), 1u + 9u + 4u);
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()),
              (Lines{U("Poznámky 1 : prvý"), U("druhý"), U("Poznámky 2 : x"), u"y", u"z", u""}));
}

}  // namespace
}  // namespace papyrka::davavazo
