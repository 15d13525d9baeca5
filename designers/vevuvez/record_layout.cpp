#include "record_layout.h"

namespace papyrka::vevuvez {

const RecordLayout& VevuvezRecordLayout() {
    static const RecordLayout layout{
        "Vevuvez.dat",
        {
            {"txtName", u"ID :"},
            {"txtCompany", {}},
            {"txtPhone1", {}},
            {"txtPhone2", {}},
            {"txtFax", {}},
            {"txtEmail", {}},
            {"txtAddress", {}},
            {"txtMemo", {}},
            {"txt1", {}},
            {"txt2", {}},
            {"txt3", {}},
            {"txt4", {}},
            {"txt5", {}},
        },
    };
    return layout;
}

}  // namespace papyrka::vevuvez
