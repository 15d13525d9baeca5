#pragma once
// The record file: header "count,current", then every field on its own quoted line,
// Windows-1250, CR LF. Load and Save never throw; every failure goes to the Reporter as
// one message and leaves the list as the rules say.
#include "record/file_io.h"
#include "record/record_list.h"
#include "base/reporter.h"

#include <optional>
#include <string>
#include <utility>

namespace papyrka {

struct LoadResult {
    enum class Status { Loaded, Missing, Failed } status;
    std::u16string message;      // what was reported, empty when nothing was
};

// One record file and the list it holds in memory.
//
// A file that fails to load is kept: this store's first save after it first copies it to
// "<name>.bak" (or .bak1, .bak2, ... when that exists already), and the load message says so.
// A save writes a temporary file beside the record file and puts it in place in one step, so
// the old file stays whole when anything fails. When the file changed on disk since this
// store last read or wrote it (another copy of the program saved it), a save asks first; no
// leaves the file and the list as they are.
class RecordStore {
public:
    // path: absolute path of the record file (the program's folder + its file name).
    // files: the system's, or one of the caller's choosing (tests, benchmark).
    RecordStore(std::u16string path, RecordList list, FileSystem& files = SystemFileSystem())
        : path_(std::move(path)), list_(std::move(list)), files_(&files) {}

    const std::u16string& Path() const { return path_; }
    RecordList& Records() { return list_; }
    const RecordList& Records() const { return list_; }

    LoadResult Load(Reporter& reporter);
    bool Save(Reporter& reporter);

private:
    LoadResult Fail(std::u16string message, Reporter& reporter);
    bool SaveOrReport(Reporter& reporter);
    bool MayOverwrite(const std::u16string& name, Reporter& reporter);

    std::u16string path_;
    RecordList list_;
    FileSystem* files_;             // a pointer, so that a store can be replaced by another
    std::optional<FileStamp> known_;   // the file as this store last read or wrote it, if it did
    bool awaitingBackup_ = false;   // the last load failed and the file is not backed up yet
};

}  // namespace papyrka
