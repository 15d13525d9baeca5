#pragma once
// The editor's "Vytlačiť" button in Vevuvez: ten copies of the shown card on one sheet.
#include "designer/win/designer.h"

namespace papyrka::vevuvez {

// Copies the twelve card lines from the editor's boxes as they stand (saved or not) into
// all ten slots of the card sheet and prints it as one page. txtName is never printed.
void Label13_Click(EditorContext& editor);

}  // namespace papyrka::vevuvez
