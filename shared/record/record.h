#pragma once
// One record: a fixed number of text fields, kept as the Windows-1250 bytes of the record
// file. All fields of a record share one block of bytes, so a list of 32767 records of 25
// fields costs tens of thousands of allocations rather than most of a million; that is what
// keeps loading a large file close to the cost of reading it.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace papyrka {

using Field = std::string;   // one field's bytes, on their own

class Record {
public:
    Record() = default;
    explicit Record(size_t fieldCount) : ends_(fieldCount, 0) {}
    Record(std::initializer_list<std::string_view> fields);

    size_t size() const { return ends_.size(); }
    // const, so that `record[i] = text` does not compile into an assignment to a copy
    const std::string_view operator[](size_t field) const {
        const size_t begin = field == 0 ? 0 : ends_[field - 1];
        return std::string_view(text_).substr(begin, ends_[field] - begin);
    }

    void set(size_t field, std::string_view text);
    void push_back(std::string_view text);   // a new last field
    void assign(const std::string_view* fields, size_t count);   // all fields at once
    void resize(size_t fieldCount);          // new fields are empty
    void reserve(size_t fieldCount, size_t bytes);

    bool operator==(const Record& other) const { return ends_ == other.ends_ && text_ == other.text_; }
    bool operator!=(const Record& other) const { return !(*this == other); }

private:
    std::string text_;                 // every field, one after the other
    std::vector<std::uint32_t> ends_;  // where each field ends in text_
};

}  // namespace papyrka
