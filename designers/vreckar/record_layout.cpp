#include "record_layout.h"

namespace papyrka::vreckar {

// The heading "OBSAH" over the eight contents boxes belongs to the editor face.
const RecordLayout& VreckarRecordLayout() {
    static const RecordLayout layout{
        "Vreckar.dat",
        {
            "txtName",
            "txtCompany",
            "txtPhone1",
            "txtPhone2",
            "txtFax",
            "txtEmail",
            "txtAddress",
            "txtMemo",
            "txt1",
            "txt2",
        },
    };
    return layout;
}

}  // namespace papyrka::vreckar
