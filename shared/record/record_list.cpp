#include "record/record_list.h"

#include <algorithm>
#include <utility>

namespace papyrka {

RecordList::RecordList(int fieldCount) : fieldCount_(std::max(fieldCount, 1)) {}

const Record& RecordList::at(int position) const {
    return records_.at(static_cast<size_t>(position - 1));
}

Record& RecordList::at(int position) {
    return records_.at(static_cast<size_t>(position - 1));
}

void RecordList::setCurrent(int position) {
    current_ = empty() ? 0 : std::clamp(position, 1, count());
}

bool RecordList::append() {
    if (count() >= kMaxCount) return false;
    records_.emplace_back(static_cast<size_t>(fieldCount_));
    return true;
}

void RecordList::remove(int position) {
    if (position < 1 || position > count()) return;
    records_.erase(records_.begin() + (position - 1));
    setCurrent(current_);
}

void RecordList::resize(int newCount) {
    newCount = std::clamp(newCount, 0, kMaxCount);
    records_.resize(static_cast<size_t>(newCount), Record(static_cast<size_t>(fieldCount_)));
}

void RecordList::assign(std::vector<Record> records) {
    if (records.size() > static_cast<size_t>(kMaxCount)) records.resize(static_cast<size_t>(kMaxCount));
    for (Record& record : records) record.resize(static_cast<size_t>(fieldCount_));
    records_ = std::move(records);
}

void RecordList::clear() {
    records_.clear();
    current_ = 0;
}

bool RecordList::operator==(const RecordList& other) const {
    return fieldCount_ == other.fieldCount_ && current_ == other.current_ &&
           records_ == other.records_;
}

}  // namespace papyrka
