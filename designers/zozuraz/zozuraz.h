#pragma once
// Zozuraz, the request-letter program, as tables: its record, its editor window, the A4
// letter and which editor box feeds which line of it.
#include "designer/designer_tables.h"

namespace papyrka::zozuraz {

const DesignerTables& ZozurazDesigner();

// The letter as it is before the first print: nine framed boxes, four of them fixed texts.
Layout Letter();

}  // namespace papyrka::zozuraz
