#include "record/record_layout.h"

namespace papyrka {

int RecordLayout::fieldIndex(std::string_view control) const {
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i] == control) return static_cast<int>(i);
    return -1;
}

std::u16string RecordLayout::wideFileName() const {
    // File names of the suite are plain ASCII.
    return std::u16string(fileName.begin(), fileName.end());
}

}  // namespace papyrka
