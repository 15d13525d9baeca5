#include "record_layout.h"

namespace papyrka::kuvertex {

// The block headings "Adresát" and "Odosielateľ" belong to the editor face, not to a field.
const RecordLayout& KuvertexRecordLayout() {
    static const RecordLayout layout{
        "Kuvertex.DAT",
        {
            "txtName",
            "txtCompany",
            "txtPhone1",
            "txtPhone2",
            "txtFax",
            "txtEmail",
            "txtAddress",
            "txtMemo",
        },
    };
    return layout;
}

}  // namespace papyrka::kuvertex
