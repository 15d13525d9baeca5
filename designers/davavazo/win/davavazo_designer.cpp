#include "davavazo_designer.h"

#include "print_list.h"
#include "designers/davavazo/editor_face.h"
#include "designers/davavazo/record_layout.h"

namespace papyrka::davavazo {

const Designer& DavavazoDesigner() {
    static const Designer designer{u"Davavazo", DavavazoRecordLayout(), DavavazoEditorFace(), &PrintContactList};
    return designer;
}

}  // namespace papyrka::davavazo
