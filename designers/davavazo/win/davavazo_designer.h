#pragma once
// Davavazo as the shared skeleton sees it: its record layout, its editor face and its print.
#include "designer/win/designer.h"

namespace papyrka::davavazo {

const Designer& DavavazoDesigner();

}  // namespace papyrka::davavazo
