#include "record/record_list.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace papyrka {

RecordList::RecordList(int fieldCount)
    : fieldCount_(std::max(fieldCount, 1)), blank_(static_cast<size_t>(fieldCount_)) {}

const Record& RecordList::at(int position) const {
    if (position < 1 || position > count_) throw std::out_of_range("RecordList::at");
    const size_t index = static_cast<size_t>(position - 1);
    return index < records_.size() ? records_[index] : blank_;
}

Record& RecordList::at(int position) {
    if (position < 1 || position > count_) throw std::out_of_range("RecordList::at");
    const size_t index = static_cast<size_t>(position - 1);
    if (index >= records_.size()) records_.resize(index + 1, blank_);
    return records_[index];
}

void RecordList::setCurrent(int position) {
    current_ = empty() ? 0 : std::clamp(position, 1, count());
}

bool RecordList::append() {
    if (count_ >= kMaxCount) return false;
    ++count_;
    return true;
}

void RecordList::remove(int position) {
    if (position < 1 || position > count()) return;
    if (static_cast<size_t>(position) <= records_.size()) records_.erase(records_.begin() + (position - 1));
    --count_;
    setCurrent(current_);
}

void RecordList::resize(int newCount) {
    count_ = std::clamp(newCount, 0, kMaxCount);
    if (records_.size() > static_cast<size_t>(count_)) records_.resize(static_cast<size_t>(count_));
}

void RecordList::assign(std::vector<Record> records, int count, std::shared_ptr<const std::string> viewed) {
    if (records.size() > static_cast<size_t>(kMaxCount)) records.resize(static_cast<size_t>(kMaxCount));
    for (Record& record : records)
        if (record.size() != static_cast<size_t>(fieldCount_)) record.resize(static_cast<size_t>(fieldCount_));
    records_ = std::move(records);
    viewed_ = std::move(viewed);
    count_ = std::clamp(std::max(count, static_cast<int>(records_.size())), 0, kMaxCount);
}

void RecordList::clear() {
    records_.clear();
    viewed_.reset();
    count_ = 0;
    current_ = 0;
}

bool RecordList::operator==(const RecordList& other) const {
    if (fieldCount_ != other.fieldCount_ || current_ != other.current_ || count_ != other.count_) return false;
    for (int position = 1; position <= count_; ++position)
        if (at(position) != other.at(position)) return false;
    return true;
}

}  // namespace papyrka
