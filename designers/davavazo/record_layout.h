#pragma once
// Davavazo's record file and the editor text box bound to each of its fields.
// The shared header has this file's name too, so it is reached by its path.
#include "record/record_layout.h"

namespace papyrka::davavazo {

const RecordLayout& DavavazoRecordLayout();

}  // namespace papyrka::davavazo
