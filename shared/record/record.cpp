#include "record/record.h"

#include <cstring>

namespace papyrka {

Record::Record(std::initializer_list<std::string_view> fields) {
    reserve(fields.size(), 0);
    for (std::string_view field : fields) push_back(field);
}

void Record::set(size_t field, std::string_view text) {
    const size_t begin = field == 0 ? 0 : ends_[field - 1];
    const size_t oldLength = ends_[field] - begin;
    text_.replace(begin, oldLength, text);
    const auto shift = static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(oldLength);
    for (size_t i = field; i < ends_.size(); ++i)
        ends_[i] = static_cast<std::uint32_t>(static_cast<std::int64_t>(ends_[i]) + shift);
}

void Record::push_back(std::string_view text) {
    text_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void Record::assign(const std::string_view* fields, size_t count) {
    size_t bytes = 0;
    for (size_t i = 0; i < count; ++i) bytes += fields[i].size();
    text_.resize(bytes);
    ends_.resize(count);
    char* out = text_.data();
    for (size_t i = 0; i < count; ++i) {
        std::memcpy(out, fields[i].data(), fields[i].size());
        out += fields[i].size();
        ends_[i] = static_cast<std::uint32_t>(out - text_.data());
    }
}

void Record::resize(size_t fieldCount) {
    if (fieldCount < ends_.size()) text_.resize(fieldCount == 0 ? 0 : ends_[fieldCount - 1]);
    ends_.resize(fieldCount, static_cast<std::uint32_t>(text_.size()));
}

void Record::reserve(size_t fieldCount, size_t bytes) {
    ends_.reserve(fieldCount);
    text_.reserve(bytes);
}

}  // namespace papyrka
