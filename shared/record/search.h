#pragma once
// The editor's search: the first record, from a given position on, that holds the text in
// any field, compared without regard to case. Case folding pairs a letter only with its
// own other case, so "Á" finds "á" but never a bare "a".
#include <string>
#include <string_view>

#include "record/record_list.h"

namespace papyrka {

// The lower-case partner of a letter of the Latin scripts that Windows-1250 carries;
// everything else is returned unchanged.
char16_t FoldCase(char16_t ch);

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view wanted);

struct SearchMatch {
    int position = 0;   // 1-based record position, 0 when nothing matched
    int field = -1;     // 0-based field of the first match within that record
    explicit operator bool() const { return position > 0; }
};

// Scans positions firstPosition..count, each record's fields in field order.
SearchMatch FindFirstMatch(const RecordList& list, std::u16string_view wanted, int firstPosition);

std::u16string NotFoundMessage(std::u16string_view wanted);

}  // namespace papyrka
