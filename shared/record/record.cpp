#include "record/record.h"

#include <algorithm>

namespace papyrka {
namespace {

constexpr char kQuote = '"';
constexpr char kQuoteStandIn = '\'';
constexpr std::string_view kEmptyField = "\"\"\r\n";
constexpr size_t kFieldFrame = kEmptyField.size();   // two quotes, CR, LF

void StandInForQuotes(std::string& bytes, size_t from, size_t count) {
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(from);
    std::replace(first, first + static_cast<std::ptrdiff_t>(count), kQuote, kQuoteStandIn);
}

}  // namespace

Record::Record(size_t fieldCount) : fields_(fieldCount) {
    own_.reserve(fieldCount * kFieldFrame);
    for (size_t i = 0; i < fieldCount; ++i) own_ += kEmptyField;
}

Record::Record(std::initializer_list<std::string_view> fields) { assign(fields.begin(), fields.size()); }

Record::Record(const Record& other) : own_(other.bytes()), fields_(other.fields_) {}

Record& Record::operator=(const Record& other) {
    if (this != &other) {
        own_.assign(other.bytes());
        view_ = nullptr;
        viewSize_ = 0;
        fields_ = other.fields_;
    }
    return *this;
}

Record& Record::operator=(Record&& other) noexcept {
    if (this != &other) {
        own_ = std::move(other.own_);
        view_ = other.view_;
        viewSize_ = other.viewSize_;
        fields_ = other.fields_;
        other.Clear();
    }
    return *this;
}

size_t Record::OpenQuote(size_t field) const {
    const std::string_view all = bytes();
    size_t open = 0;
    // past the closing quote, CR and LF of each field before
    for (size_t i = 0; i < field; ++i) open = all.find(kQuote, open + 1) + 3;
    return open;
}

const std::string_view Record::operator[](size_t field) const {
    const std::string_view all = bytes();
    const size_t open = OpenQuote(field);
    return all.substr(open + 1, all.find(kQuote, open + 1) - open - 1);
}

void Record::Own() {
    if (!view_) return;
    own_.assign(view_, viewSize_);
    view_ = nullptr;
    viewSize_ = 0;
}

void Record::AppendField(std::string_view text) {
    own_ += kQuote;
    const size_t from = own_.size();
    own_ += text;
    StandInForQuotes(own_, from, text.size());
    own_ += kEmptyField.substr(1);
}

void Record::set(size_t field, std::string_view text) {
    Own();
    const size_t from = OpenQuote(field) + 1;
    own_.replace(from, own_.find(kQuote, from) - from, text);
    StandInForQuotes(own_, from, text.size());
}

void Record::push_back(std::string_view text) {
    Own();
    AppendField(text);
    ++fields_;
}

void Record::assign(const std::string_view* fields, size_t count) {
    view_ = nullptr;
    viewSize_ = 0;
    size_t bytes = count * kFieldFrame;
    for (size_t i = 0; i < count; ++i) bytes += fields[i].size();
    own_.clear();
    own_.reserve(bytes);
    for (size_t i = 0; i < count; ++i) AppendField(fields[i]);
    fields_ = count;
}

void Record::resize(size_t fieldCount) {
    if (fieldCount == fields_) return;
    Own();
    if (fieldCount < fields_) {
        own_.resize(OpenQuote(fieldCount));
    } else {
        for (size_t i = fields_; i < fieldCount; ++i) own_ += kEmptyField;
    }
    fields_ = fieldCount;
}

}  // namespace papyrka
