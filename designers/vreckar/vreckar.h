#pragma once
// Vreckar, the CD sleeve program, as tables: its record, its editor window, the cut-out
// sleeve with its ten framed value boxes and which editor box feeds which of them.
#include "designer/designer_tables.h"

namespace papyrka::vreckar {

const DesignerTables& VreckarDesigner();

// The sleeve as it is before the first print: outline, "CD" mark, headings, ten empty boxes.
Layout Sleeve();

}  // namespace papyrka::vreckar
