#pragma once
// The property the fuzz target checks and the corpus replay test repeats: any input either
// fails to parse, or parses into a list that saves to bytes which parse back into that list,
// and whose records hold their fields' bytes as a save writes them.
#include <string>
#include <string_view>

#include "record/record_format.h"

namespace papyrka::fuzz {

// Field counts of the suite's programs, smallest and largest included.
constexpr int kFieldCounts[] = {1, 8, 9, 10, 13, 25};

// Empty when the property holds, otherwise what broke it.
inline std::string CheckRoundTrip(std::string_view bytes, int fieldCount) {
    RecordList list(fieldCount), reloaded(fieldCount);
    if (!ParseRecords(std::string(bytes), list).ok()) return {};
    for (int position = 1; position <= list.count(); ++position) {
        const Record& record = list.at(position);
        Record rebuilt;
        for (size_t field = 0; field < record.size(); ++field) rebuilt.push_back(record[field]);
        if (record.size() != static_cast<size_t>(fieldCount) || rebuilt.bytes() != record.bytes())
            return "record " + std::to_string(position) + " holds other bytes than its fields";
    }
    const std::string saved = SerializeRecords(list);
    const ParseResult again = ParseRecords(saved, reloaded);
    if (!again.ok()) return "saved bytes fail to parse at line " + std::to_string(again.line);
    if (!(reloaded == list)) return "saved bytes parse into a different list";
    if (SerializeRecords(reloaded) != saved) return "second save differs from the first";
    return {};
}

}  // namespace papyrka::fuzz
