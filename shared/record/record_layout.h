#pragma once
// A designer program's record layout: its record file and the editor text box bound to
// each field, in file order. Each program defines its own in its folder.
#include <string>
#include <string_view>
#include <vector>

namespace papyrka {

struct RecordLayout {
    std::string_view fileName;              // bare name, opened in the program's folder
    std::vector<std::string_view> fields;   // the control of field 1 first, e.g. "txtName"

    int fieldCount() const { return static_cast<int>(fields.size()); }
    int fieldIndex(std::string_view control) const;  // 0-based, -1 when unknown; exact case

    // The file name as the file procedures take paths: folder + u"\\" + wideFileName().
    std::u16string wideFileName() const;
};

}  // namespace papyrka
