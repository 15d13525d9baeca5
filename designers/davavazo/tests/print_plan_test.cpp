#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../../shared/record/cp1250.h"
#include "../print_plan.h"

namespace papyrka::davavazo {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// Fields in file order: name, phone 2, address, company, phone 1, e-mail, notes 1, notes 2.
void Add(RecordList& list, std::vector<const char*> fields) {
    list.append();
    for (size_t i = 0; i < fields.size(); ++i) list.at(list.count())[i] = Utf8ToCp1250(fields[i]);
}

Lines Block(const char* name, const char* address, const char* phone1, const char* phone2, const char* company,
            const char* email, const char* notes1, const char* notes2) {
    return {u"",
            U("Priezvisko a meno : ") + U(name),
            U("Adresa : ") + U(address),
            U("Telefónne číslo 1 : ") + U(phone1),
            U("Telefónne číslo 2 : ") + U(phone2),
            U("Názov firmy : ") + U(company),
            U("E - mail : ") + U(email),
            U("Poznámky 1 : ") + U(notes1),
            U("Poznámky 2 : ") + U(notes2)};
}

TEST(ContactListLines, AnEmptyListPrintsOnlyTheTitle) {
    EXPECT_EQ(ContactListLines(RecordList(8)), Lines{u"Davavazo"});
}

TEST(ContactListLines, EachRecordIsABlankLineAndEightLabelledLinesInListOrder) {
    RecordList list(8);
    Add(list, {"Novák Ján", "0905 222", "Hlavná 1", "Firma", "02 111", "jan@novak.sk", "", ""});
    Add(list, {"Áčko Ľudo", "", "", "", "", "", "", ""});
    Add(list, {"Zeman", "", "Dolná 5", "", "", "", "pozn", "druhá"});
    list.setCurrent(2);
    Lines expected{u"Davavazo"};
    for (const Lines& block : {Block("Novák Ján", "Hlavná 1", "02 111", "0905 222", "Firma", "jan@novak.sk", "", ""),
                               Block("Áčko Ľudo", "", "", "", "", "", "", ""),
                               Block("Zeman", "Dolná 5", "", "", "", "", "pozn", "druhá")})
        expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(ContactListLines(list), expected);
}

TEST(ContactListLines, LineBreaksInsideAFieldStartNewLines) {
    RecordList list(8);
    Add(list, {"A", "", "", "", "", "", "prvý\r\ndruhý", "x\ny\rz\r\n"});
    const Lines lines = ContactListLines(list);
    const Lines tail(lines.end() - 6, lines.end());
    EXPECT_EQ(tail, (Lines{U("Poznámky 1 : prvý"), U("druhý"), U("Poznámky 2 : x"), u"y", u"z", u""}));
    EXPECT_EQ(lines.size(), 1u + 9u + 4u);
}

}  // namespace
}  // namespace papyrka::davavazo
