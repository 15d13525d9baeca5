#include "fake_editor.h"

namespace papyrka::vevuvez {

FakeEditor FirstCard() {
    return FakeEditor({
        {"txtName", u"JM01"},
        {"txtPhone1", u"Ján Mrkvička"},
        {"txtFax", u"obchodný zástupca"},
        {"txtCompany", u"Papierne Žilina, s.r.o."},
        {"txtPhone2", u"Hlinkova 12, 010 01 Žilina"},
        {"txtEmail", u"041 562 11 22"},
        {"txtAddress", u"fax 041 562 11 23"},
        {"txtMemo", u"0905 123 456"},
        {"txt1", u"jan@papierne.sk"},
        {"txt2", u"Pobočka Košice"},
        {"txt3", u"Hlavná 5"},
        {"txt4", u"040 01 Košice"},
        {"txt5", u"055 622 33 44"},
    });
}

FakeEditor SecondCard() {
    return FakeEditor({
        {"txtName", u"EH02"},
        {"txtPhone1", u"Eva Hrušková"},
        {"txtFax", u"vedúca predajne"},
        {"txtCompany", u"Kníhkupectvo Ďumbier"},
        {"txtPhone2", u"Nám. SNP 3, Banská Bystrica"},
        {"txtEmail", u"048 415 22 10"},
        {"txtAddress", u"fax 048 415 22 11"},
        {"txtMemo", u"0911 765 432"},
        {"txt1", u"eva@dumbier.sk"},
        {"txt2", u"Sklad Zvolen"},
        {"txt3", u"Lesná 18"},
        {"txt4", u"960 01 Zvolen"},
        {"txt5", u""},
    });
}

}  // namespace papyrka::vevuvez
