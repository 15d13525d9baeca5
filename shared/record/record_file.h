#pragma once
// The record file: header "count,current", then every field on its own quoted line,
// Windows-1250, CR LF. LoadRecords and SaveRecords never throw; every failure goes
// to the Reporter as one message and leaves the list as the rules say.
#include "file_io.h"
#include "record_list.h"
#include "base/reporter.h"

#include <string>

namespace papyrka {

struct LoadResult {
    enum class Status { Loaded, Missing, Failed } status;
    std::u16string message;      // what was reported, empty when nothing was
};

// path: absolute path of the record file (the program's folder + its file name).
//
// A file that fails to load is kept: the first save after it first copies it to
// "<name>.bak" (or .bak1, .bak2, ... when that exists already), and the load message says so.
// A save writes a temporary file beside the record file and puts it in place in one step, so
// the old file stays whole when anything fails.
LoadResult LoadRecords(const std::u16string& path, RecordList& list, Reporter& reporter);
bool SaveRecords(const std::u16string& path, const RecordList& list, Reporter& reporter);

// The same on a file system of the caller's choosing (tests, benchmark).
LoadResult LoadRecords(const std::u16string& path, RecordList& list, Reporter& reporter, FileSystem& files);
bool SaveRecords(const std::u16string& path, const RecordList& list, Reporter& reporter, FileSystem& files);

}  // namespace papyrka
