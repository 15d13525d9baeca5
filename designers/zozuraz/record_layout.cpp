#include "record_layout.h"

namespace papyrka::zozuraz {

// Fields 7 to 10 have boxes that are never shown, but the file still carries them.
const RecordLayout& ZozurazRecordLayout() {
    static const RecordLayout layout{
        "Zozuraz.dat",
        {
            {"txtName", u"ID :"},
            {"txtCompany", u"PSČ, Mesto"},
            {"txtPhone1", u"Priezvisko a meno, Adresa, PSČ, Mesto"},
            {"txtPhone2", u"VEC :"},
            {"txtFax", u"Názov organizácie, Adresa"},
            {"txtEmail", u"Text"},
            {"txtAddress", {}},
            {"txtMemo", {}},
            {"txt1", {}},
            {"txt2", {}},
        },
    };
    return layout;
}

}  // namespace papyrka::zozuraz
