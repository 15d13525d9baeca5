#include "vevuvez_designer.h"

#include "designers/vevuvez/editor_face.h"
#include "designers/vevuvez/record_layout.h"
#include "print_action.h"

namespace papyrka::vevuvez {

const Designer& VevuvezDesigner() {
    static const Designer designer{u"Vevuvez", VevuvezRecordLayout(), VevuvezEditorFace(), &Label13_Click};
    return designer;
}

}  // namespace papyrka::vevuvez
