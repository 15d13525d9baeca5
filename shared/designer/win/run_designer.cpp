#include <string>

#include "base/system_error.h"
#include "designer/win/designer.h"
#include "win32/program_start.h"
#include "designer/win/editor_window.h"
#include "win32/message_box.h"
#include "win32/program_folder.h"

namespace papyrka {

int RunDesigner(const DesignerTables& tables, EditorAction ownPrint) {
    const Designer designer{tables, ownPrint};
    win::StartProgram();
    // Where the system cannot tell, the current folder: the programs have always worked there.
    const std::u16string folder = win::ProgramFolder();
    EditorWindow form(designer, folder.empty() ? u"." : folder);
    if (!form.Open()) {
        const DWORD error = GetLastError();
        win::ShowMessage(nullptr, tables.programTitle,
                         u"Okno programu sa nepodarilo otvoriť: " + SystemErrorText(error) + u".");
        return 1;
    }
    return win::RunMessageLoop();
}

}  // namespace papyrka
