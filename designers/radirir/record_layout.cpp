#include "record_layout.h"

namespace papyrka::radirir {

// The control names keep this program's own spelling; the heading "OBSAH" belongs to the
// editor face.
const RecordLayout& RadirirRecordLayout() {
    static const RecordLayout layout{
        "Radirir.dat",
        {
            "txtName",
            "txtcompany",
            "txtphone1",
            "txtphone2",
            "txtFax",
            "txtemail",
            "txtaddress",
            "txtmemo",
            "txtmemo1",
        },
    };
    return layout;
}

}  // namespace papyrka::radirir
