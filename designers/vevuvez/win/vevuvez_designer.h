#pragma once
// Vevuvez as the shared skeleton sees it: its record layout, its editor face and its print.
#include "designer/win/designer.h"

namespace papyrka::vevuvez {

const Designer& VevuvezDesigner();

}  // namespace papyrka::vevuvez
