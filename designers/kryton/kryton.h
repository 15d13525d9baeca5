#pragma once
// Kryton, the CD-case cover program, as tables: its album record, its editor window, the
// square front insert of a jewel case and which editor box feeds which cover box.
#include "designer/designer_tables.h"

namespace papyrka::kryton {

const DesignerTables& KrytonDesigner();

// The cover as it is before the first print: the cutting square and 24 empty ruled boxes.
Layout Cover();

}  // namespace papyrka::kryton
