#include "record_layout.h"

namespace papyrka::davavazo {

const RecordLayout& DavavazoRecordLayout() {
    static const RecordLayout layout{
        "Davavazo.dat",
        {
            {"txtName", u"Priezvisko a meno :"},
            {"txtCompany", u"Telefónne číslo 2 :"},
            {"txtPhone1", u"Adresa :"},
            {"txtPhone2", u"Názov firmy :"},
            {"txtFax", u"Telefónne číslo 1 :"},
            {"txtEmail", u"E - mail :"},
            {"txtAddress", u"Poznámky 1 :"},
            {"txtMemo", u"Poznámky 2 :"},
        },
    };
    return layout;
}

}  // namespace papyrka::davavazo
