#pragma once
// The record list of one designer program: records of a fixed number of text fields,
// the position of the shown record, and nothing else. Field texts are kept as the
// Windows-1250 bytes of the record file, so every byte survives a load and a save.
#include <vector>

#include "record/record.h"

namespace papyrka {

class RecordList {
public:
    static constexpr int kMaxCount = 32767;   // count and current are signed 16-bit

    explicit RecordList(int fieldCount);

    int fieldCount() const { return fieldCount_; }
    int count() const { return static_cast<int>(records_.size()); }
    int current() const { return current_; }            // 1..count, 0 when empty
    bool empty() const { return records_.empty(); }

    // Positions are 1-based, as on screen ("Record 2 of 5").
    const Record& at(int position) const;
    Record& at(int position);

    void setCurrent(int position);                       // clamped into 0 / 1..count
    bool append();                                       // empty record; false at kMaxCount
    void remove(int position);                           // closes up; keeps current inside the list
    void resize(int count);                              // empty records; current untouched
    void assign(std::vector<Record> records);            // each of fieldCount() fields; current untouched
    void clear();

    bool operator==(const RecordList& other) const;

private:
    int fieldCount_;
    int current_ = 0;
    std::vector<Record> records_;
};

}  // namespace papyrka
