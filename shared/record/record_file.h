#pragma once
// The record file: header "count,current", then every field on its own quoted line,
// Windows-1250, CR LF. LoadRecords and SaveRecords never throw; every failure goes
// to the Reporter as one message and leaves the list as the rules say.
#include "record_list.h"
#include "reporter.h"

#include <string>

namespace papyrka {

struct LoadResult {
    enum class Status { Loaded, Missing, Failed } status;
    std::u16string message;      // what was reported, empty when nothing was
};

// path: absolute path of the record file (the program's folder + its file name).
LoadResult LoadRecords(const std::u16string& path, RecordList& list, Reporter& reporter);
bool SaveRecords(const std::u16string& path, const RecordList& list, Reporter& reporter);

}  // namespace papyrka
