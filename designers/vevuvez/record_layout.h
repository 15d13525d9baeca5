#pragma once
// Vevuvez's record file and the editor text box bound to each of its fields.
// The shared header has this file's name too, so it is reached by its path.
#include "record/record_layout.h"

namespace papyrka::vevuvez {

const RecordLayout& VevuvezRecordLayout();

}  // namespace papyrka::vevuvez
