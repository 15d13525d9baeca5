#include <windows.h>

#include "designer.h"
#include "print_list.h"
#include "../editor_face.h"
#include "../record_layout.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace papyrka;
    static const Designer kDavavazo{u"Davavazo", davavazo::DavavazoRecordLayout(), davavazo::DavavazoEditorFace(),
                                    &davavazo::PrintContactList};
    return RunDesigner(kDavavazo);
}
