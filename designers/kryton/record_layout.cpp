#include "record_layout.h"

namespace papyrka::kryton {

// "Názvy skladieb :" heads the 22 track boxes as a group; it belongs to no single field.
const RecordLayout& KrytonRecordLayout() {
    static const RecordLayout layout{
        "Kryton.dat",
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
            "txt3",
            "txt4",
            "txt5",
            "txt6",
            "txt7",
            "txt8",
            "txt9",
            "txt10",
            "txt11",
            "txt12",
            "txt13",
            "txt14",
            "txt15",
            "txt16",
            "txt17",
        },
    };
    return layout;
}

}  // namespace papyrka::kryton
