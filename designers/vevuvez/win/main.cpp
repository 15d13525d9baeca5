#include <windows.h>

#include "designer.h"
#include "print_action.h"
#include "../editor_face.h"
#include "../record_layout.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace papyrka;
    static const Designer kVevuvez{u"Vevuvez", vevuvez::VevuvezRecordLayout(), vevuvez::VevuvezEditorFace(),
                                   &vevuvez::Label13_Click};
    return RunDesigner(kVevuvez);
}
