#pragma once
// Kuvertex, the envelope program, as tables: its record, its editor window of two address
// blocks, and the cut-and-fold envelope pattern whose eight lines the print-choice menu fills.
#include "designer/designer_tables.h"

namespace papyrka::kuvertex {

const DesignerTables& KuvertexDesigner();

// The envelope as it is before the first print: the pattern and eight empty lines.
Layout Envelope();

}  // namespace papyrka::kuvertex
