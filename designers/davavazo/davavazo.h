#pragma once
// Davavazo, the suite's address book, as tables: its record and its editor window. Its
// print is its own: the whole list as lines of text (print_plan.h, win/print_list.h).
#include "designer/designer_tables.h"

namespace papyrka::davavazo {

const DesignerTables& DavavazoDesigner();

}  // namespace papyrka::davavazo
