#pragma once
// The editor as a print action sees it: the thirteen text boxes as they stand on screen, and
// a count of what the action must never do (store the record).
#include <iterator>
#include <string>
#include <vector>

#include "designer/win/designer.h"

namespace papyrka::vevuvez {

// txtName, then the boxes that feed card lines 1 to 12.
inline constexpr std::string_view kCardControls[] = {"txtName", "txtPhone1", "txtFax",     "txtCompany", "txtPhone2",
                                                     "txtEmail", "txtAddress", "txtMemo", "txt1",       "txt2",
                                                     "txt3",     "txt4",       "txt5"};

class FakeEditor : public EditorContext {
public:
    explicit FakeEditor(std::vector<std::u16string> boxTexts) : texts(std::move(boxTexts)) {}

    std::u16string BoxText(std::string_view control) const override {
        for (size_t i = 0; i < std::size(kCardControls); ++i)
            if (kCardControls[i] == control) return texts.at(i);
        return {};
    }
    void StoreCurrentRecord() override { ++stored; }
    const RecordList& Records() const override { return records_; }
    HWND Window() const override { return nullptr; }
    std::u16string_view ProgramTitle() const override { return u"Vevuvez"; }

    std::vector<std::u16string> texts;   // in kCardControls order
    int stored = 0;

private:
    RecordList records_{13};
};

// Two cards that share no text; the second leaves txt5 empty.
inline FakeEditor FirstCard() {
    return FakeEditor({u"JM01", u"Ján Mrkvička", u"obchodný zástupca", u"Papierne Žilina, s.r.o.",
                       u"Hlinkova 12, 010 01 Žilina", u"041 562 11 22", u"fax 041 562 11 23", u"0905 123 456",
                       u"jan@papierne.sk", u"Pobočka Košice", u"Hlavná 5", u"040 01 Košice", u"055 622 33 44"});
}
inline FakeEditor SecondCard() {
    return FakeEditor({u"EH02", u"Eva Hrušková", u"vedúca predajne", u"Kníhkupectvo Ďumbier",
                       u"Nám. SNP 3, Banská Bystrica", u"048 415 22 10", u"fax 048 415 22 11", u"0911 765 432",
                       u"eva@dumbier.sk", u"Sklad Zvolen", u"Lesná 18", u"960 01 Zvolen", u""});
}

}  // namespace papyrka::vevuvez
