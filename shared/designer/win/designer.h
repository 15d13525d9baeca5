#pragma once
// What a designer program gives the shared skeleton: its tables, and only where a button
// does more than the tables can say, its own action. The skeleton does everything else.
#include <windows.h>

#include <string>
#include <string_view>

#include "designer/designer_tables.h"
#include "record/record_list.h"

namespace papyrka {

// What a program's own action may use of the running editor.
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
    const DesignerTables& tables;
    EditorAction ownPrint = nullptr;    // Label13 where the tables say ButtonAction::ProgramOwn
};

// The whole program: Form3 on the record file beside the executable; returns the exit code.
int RunDesigner(const DesignerTables& tables, EditorAction ownPrint = nullptr);

}  // namespace papyrka
