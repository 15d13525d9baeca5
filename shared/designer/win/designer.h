#pragma once
// What a designer program gives the shared skeleton: its record layout, its editor face and
// its print action. The skeleton does everything else (record file, editor, search).
#include <windows.h>

#include <string>
#include <string_view>

#include "designer/editor_face.h"
#include "record/record_layout.h"
#include "record/record_list.h"

namespace papyrka {

// What a program's print action (and a Label9 menu) may use of the running editor.
class EditorContext {
public:
    virtual ~EditorContext() = default;
    virtual std::u16string BoxText(std::string_view control) const = 0;   // as it stands on screen
    virtual void StoreCurrentRecord() = 0;
    virtual const RecordList& Records() const = 0;
    virtual HWND Window() const = 0;
    virtual std::u16string_view ProgramTitle() const = 0;                // message box title
};

using EditorAction = void (*)(EditorContext& editor);

struct Designer {
    std::u16string_view programTitle;   // the program's name, e.g. u"Davavazo"
    const RecordLayout& layout;
    const EditorFace& face;
    EditorAction print;                 // Label13
    EditorAction menu = nullptr;        // Label9, where the program gives it an action
};

// The whole program: Form3 on the record file beside the executable; returns the exit code.
int RunDesigner(const Designer& designer);

}  // namespace papyrka
