#pragma once
// Radirir, the diskette-label program, as tables: its record of a number and eight contents
// lines, its editor window, the one label face it prints and which editor box feeds which
// line of the label.
#include "designer/designer_tables.h"

namespace papyrka::radirir {

const DesignerTables& RadirirDesigner();

// The label face Form6 as it is before the first print: frame, grey band, the two fixed
// captions, and an empty number and eight empty contents lines.
Layout LabelFace();

}  // namespace papyrka::radirir
