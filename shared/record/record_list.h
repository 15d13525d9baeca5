#pragma once
// The record list of one designer program: records of a fixed number of text fields,
// the position of the shown record, and nothing else. Field texts are kept as the
// Windows-1250 bytes of the record file, so every byte survives a load and a save.
#include <memory>
#include <string>
#include <vector>

#include "record/record.h"

namespace papyrka {

class RecordList {
public:
    static constexpr int kMaxCount = 32767;   // count and current are signed 16-bit

    explicit RecordList(int fieldCount);

    int fieldCount() const { return fieldCount_; }
    int count() const { return count_; }
    int current() const { return current_; }            // 1..count, 0 when empty
    bool empty() const { return count_ == 0; }

    // Positions are 1-based, as on screen ("Record 2 of 5").
    const Record& at(int position) const;
    Record& at(int position);

    void setCurrent(int position);                       // clamped into 0 / 1..count
    bool append();                                       // empty record; false at kMaxCount
    void remove(int position);                           // closes up; keeps current inside the list
    void resize(int count);                              // empty records; current untouched
    // Each of fieldCount() fields, then empty records up to count; current untouched. `viewed`
    // holds the bytes that records read from a file view; the list keeps them for those records.
    void assign(std::vector<Record> records, int count = 0, std::shared_ptr<const std::string> viewed = nullptr);
    void clear();

    bool operator==(const RecordList& other) const;

private:
    int fieldCount_;
    int current_ = 0;
    int count_ = 0;
    // Only records_.size() records are stored; the rest up to count_ are blank_ until written.
    // A header that promises 32767 records in a file that holds none then costs nothing.
    std::vector<Record> records_;
    Record blank_;
    std::shared_ptr<const std::string> viewed_;
};

}  // namespace papyrka
