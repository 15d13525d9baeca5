#include "record_layout.h"

namespace papyrka::kuvertex {

// The block headings "Adresát" and "Odosielateľ" belong to the editor face, not to a field.
const RecordLayout& KuvertexRecordLayout() {
    static const RecordLayout layout{
        "Kuvertex.DAT",
        {
            {"txtName", u"Oslovenie :"},
            {"txtCompany", u"PSČ a mesto :"},
            {"txtPhone1", u"Priezvisko a meno :"},
            {"txtPhone2", u"Odoslateľ :"},
            {"txtFax", u"Adresa :"},
            {"txtEmail", u"Priezvisko a meno :"},
            {"txtAddress", u"Adresa :"},
            {"txtMemo", u"PSČ a mesto :"},
        },
    };
    return layout;
}

}  // namespace papyrka::kuvertex
