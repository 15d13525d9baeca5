#pragma once
// What Davavazo prints: its whole list as plain lines, in list order.
#include <string>
#include <vector>

#include "record/record_list.h"

namespace papyrka::davavazo {

// "Davavazo", then per record an empty line and the eight labelled lines in the order of
// the editor's column. A line break inside a field starts a new line.
std::vector<std::u16string> ContactListLines(const RecordList& list);

}  // namespace papyrka::davavazo
