#pragma once
// The records of a file as this program saves it, read without copying a byte: each record views
// the file's bytes (see record.h). Such a file is checked 64 bytes at a time, a bit for each byte:
// every closing quote must be followed by CR LF and, but the last, by the next opening quote.
#include <cstddef>
#include <string_view>
#include <vector>

#include "record/record.h"

namespace papyrka {

// Appends the `count` records (count >= 1) that start at `start` and returns where they end,
// when every one of them is written exactly as SerializeRecords writes it; otherwise returns 0,
// and whatever it appended is to be dropped. The bytes must outlive the records.
size_t ReadSavedRecords(std::string_view bytes, size_t start, size_t fieldCount, size_t count,
                        std::vector<Record>& records);

}  // namespace papyrka
