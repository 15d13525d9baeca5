#pragma once
// The record file's bytes and back, with no file system in sight: the loader, the fuzz target
// and the benchmark all go through these two functions.
#include <string>
#include <string_view>

#include "record/file_io.h"
#include "record/record_list.h"

namespace papyrka {

enum class ParseFault {
    None,
    HeaderNotNumbers,   // the first two items are not two integers
    CountOutOfRange,    // count outside 0..32767
    UnclosedQuote,      // a quoted field runs to the end of the file
    EndsEarly,          // fewer fields than the header promises
    TextAfterEnd,       // more than the header promises: saving would drop it
};

struct ParseResult {
    ParseFault fault = ParseFault::None;
    int line = 0;             // 1-based line where the failing item starts
    int record = 0;           // 1-based record and field being read when it failed
    int field = 0;
    std::string countText;    // the header's count as written, for CountOutOfRange

    bool ok() const { return fault == ParseFault::None; }
};

// Replaces the list's contents by the file's, which the list keeps. On a fault the list keeps
// what was read before the failing item (empty when the header failed), with every later field
// empty.
ParseResult ParseRecords(std::string file, RecordList& list);

// The file as it is written: header, then each field quoted on its own line, CR LF. A double
// quote cannot be carried by the format and is written as an apostrophe.
std::string SerializeRecords(const RecordList& list);
// The same bytes as pieces: long runs of records that lie one after the other in memory (as
// records read from a file and not changed since do) are left where they are; the header and
// the short runs are copied into `joined`, so that many edited records make few pieces. The
// pieces point into `joined` and the list, and are valid while both stay unchanged.
Pieces SerializedPieces(const RecordList& list, std::string& joined);

}  // namespace papyrka
