#pragma once
// One record: a fixed number of text fields, kept as the Windows-1250 bytes that the record
// file holds for them, each field quoted on its own line: `"text"` CR LF. A field never holds a
// double quote (the format cannot carry one, so it becomes an apostrophe), which lets the quotes
// alone tell where each field starts and ends.
//
// A record read from a file views the file's bytes, which its list keeps, until it is first
// changed; then it copies them into one block of its own. So loading copies no field, saving
// copies each record's bytes as they are, and a list of edited records costs one block per record.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace papyrka {

using Field = std::string;   // one field's bytes, on their own

class Record {
public:
    Record() = default;
    explicit Record(size_t fieldCount);
    Record(std::initializer_list<std::string_view> fields);

    // Bytes as a record holds them (see above), kept alive by the caller for as long as the
    // record views them: what a list does with the file it read.
    static Record ViewOf(std::string_view bytes, size_t fieldCount) {
        Record record;
        record.view_ = bytes.data();
        record.viewSize_ = bytes.size();
        record.fields_ = fieldCount;
        return record;
    }

    // A copy owns its bytes, so that it never outlives a file it views. A move keeps the view:
    // only a list moves its records, and the list keeps the file.
    Record(const Record& other);
    Record& operator=(const Record& other);
    Record(Record&& other) noexcept
        : own_(std::move(other.own_)), view_(other.view_), viewSize_(other.viewSize_), fields_(other.fields_) {
        other.Clear();
    }
    Record& operator=(Record&& other) noexcept;

    size_t size() const { return fields_; }
    // const, so that `record[i] = text` does not compile into an assignment to a copy
    const std::string_view operator[](size_t field) const;
    // The record as the file holds it.
    std::string_view bytes() const { return view_ ? std::string_view(view_, viewSize_) : std::string_view(own_); }

    // A double quote in the text is stored as an apostrophe.
    void set(size_t field, std::string_view text);
    void push_back(std::string_view text);   // a new last field
    void assign(const std::string_view* fields, size_t count);   // all fields at once
    void resize(size_t fieldCount);          // new fields are empty

    bool operator==(const Record& other) const { return fields_ == other.fields_ && bytes() == other.bytes(); }
    bool operator!=(const Record& other) const { return !(*this == other); }

private:
    size_t OpenQuote(size_t field) const;   // where the field's opening quote is in bytes()
    void Own();                             // copies viewed bytes into own_
    void AppendField(std::string_view text);
    void Clear() {   // what a move leaves: no field
        own_.clear();
        view_ = nullptr;
        viewSize_ = 0;
        fields_ = 0;
    }

    std::string own_;               // the bytes, unless the record views a file's
    const char* view_ = nullptr;    // the viewed bytes, or null
    size_t viewSize_ = 0;
    size_t fields_ = 0;
};

}  // namespace papyrka
