#pragma once
// Vevuvez, the business-card program, as tables: its record, its editor window, the card
// sheet of ten identical cards and which editor box feeds which card line.
#include "designer/designer_tables.h"

namespace papyrka::vevuvez {

const DesignerTables& VevuvezDesigner();

// The card sheet as it is before the first print: outlines, rules, 120 empty framed lines.
Layout CardSheet();

}  // namespace papyrka::vevuvez
