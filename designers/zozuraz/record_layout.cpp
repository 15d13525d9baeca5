#include "record_layout.h"

namespace papyrka::zozuraz {

// Fields 7 to 10 have boxes that are never shown, but the file still carries them.
const RecordLayout& ZozurazRecordLayout() {
    static const RecordLayout layout{
        "Zozuraz.dat",
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

}  // namespace papyrka::zozuraz
