#include "record_format.h"

#include <algorithm>
#include <cstring>

namespace papyrka {
namespace {

constexpr char kQuote = '"';
constexpr char kQuoteStandIn = '\'';

class ItemReader {
public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    enum class Outcome { Item, EndOfFile, UnclosedQuote };

    // Reads the next item into text; itemStart tells where it began, for messages.
    Outcome Next(std::string& text) {
        while (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;
        itemStart_ = pos_;
        if (pos_ == bytes_.size()) return Outcome::EndOfFile;
        if (bytes_[pos_] == kQuote) return ReadQuoted(text);
        ReadUnquoted(text);
        return Outcome::Item;
    }

    size_t itemStart() const { return itemStart_; }

    // Where text that is not blank starts after the last item read, or npos.
    size_t TextLeft() const { return bytes_.find_first_not_of(" \t\r\n", pos_); }

private:
    Outcome ReadQuoted(std::string& text) {
        const size_t begin = pos_ + 1;
        const void* close = std::memchr(bytes_.data() + begin, kQuote, bytes_.size() - begin);
        if (!close) return Outcome::UnclosedQuote;
        const size_t end = static_cast<size_t>(static_cast<const char*>(close) - bytes_.data());
        text.assign(bytes_.data() + begin, end - begin);
        // Whatever stands between the closing quote and the separator is not part of the item.
        pos_ = end + 1;
        while (pos_ < bytes_.size() && !IsSeparator(bytes_[pos_])) ++pos_;
        SkipSeparator();
        return Outcome::Item;
    }

    void ReadUnquoted(std::string& text) {
        size_t end = pos_;
        while (end < bytes_.size() && !IsSeparator(bytes_[end])) ++end;
        size_t first = pos_;
        size_t last = end;
        while (last > first && bytes_[last - 1] == ' ') --last;
        text.assign(bytes_.data() + first, last - first);
        // The list never holds a double quote; saving would turn it into this anyway.
        std::replace(text.begin(), text.end(), kQuote, kQuoteStandIn);
        pos_ = end;
        SkipSeparator();
    }

    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // Past one comma or one line end (CR LF, or a lone CR or LF from another editor).
    void SkipSeparator() {
        if (pos_ >= bytes_.size()) return;
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
    }

    std::string_view bytes_;
    size_t pos_ = 0;
    size_t itemStart_ = 0;
};

int LineAt(std::string_view bytes, size_t offset) {
    int line = 1;
    for (size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') ++line;
        else if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) ++line;
    }
    return line;
}

// An integer as the header holds it; saturates far outside the 16-bit range so that
// "99999999999" is still a number, just an out-of-range one.
bool ParseHeaderNumber(std::string_view text, long& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = std::min(magnitude * 10 + (c - '0'), 1000000L);
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

ParseResult ParseRecords(std::string_view bytes, RecordList& list) {
    list.clear();
    ParseResult result;
    ItemReader reader(bytes);
    auto fail = [&](ParseFault fault, size_t offset) {
        result.fault = fault;
        result.line = LineAt(bytes, offset);
        return result;
    };

    std::string countText;
    std::string currentText;
    long count = 0;
    long current = 0;
    if (reader.Next(countText) != ItemReader::Outcome::Item || !ParseHeaderNumber(countText, count))
        return fail(ParseFault::HeaderNotNumbers, reader.itemStart());
    if (reader.Next(currentText) != ItemReader::Outcome::Item || !ParseHeaderNumber(currentText, current))
        return fail(ParseFault::HeaderNotNumbers, reader.itemStart());
    if (count < 0 || count > RecordList::kMaxCount) {
        result.countText = countText;
        return fail(ParseFault::CountOutOfRange, 0);
    }

    list.resize(static_cast<int>(count));
    list.setCurrent(static_cast<int>(current));
    for (int record = 1; record <= list.count(); ++record) {
        Record& fields = list.at(record);
        for (int field = 1; field <= list.fieldCount(); ++field) {
            switch (reader.Next(fields[static_cast<size_t>(field - 1)])) {
                case ItemReader::Outcome::Item:
                    continue;
                case ItemReader::Outcome::EndOfFile:
                    result.record = record;
                    result.field = field;
                    return fail(ParseFault::EndsEarly, reader.itemStart());
                case ItemReader::Outcome::UnclosedQuote:
                    result.record = record;
                    result.field = field;
                    return fail(ParseFault::UnclosedQuote, reader.itemStart());
            }
        }
    }
    const size_t rest = reader.TextLeft();
    if (rest != std::string_view::npos) return fail(ParseFault::TextAfterEnd, rest);
    return result;
}

std::string SerializeRecords(const RecordList& list) {
    std::string header = std::to_string(list.count()) + ',' + std::to_string(list.current()) + "\r\n";
    size_t size = header.size();
    for (int record = 1; record <= list.count(); ++record)
        for (const Field& field : list.at(record)) size += field.size() + 4;

    std::string bytes;
    bytes.reserve(size);
    bytes += header;
    for (int record = 1; record <= list.count(); ++record) {
        for (const Field& field : list.at(record)) {
            bytes += kQuote;
            const size_t textStart = bytes.size();
            bytes += field;
            if (field.find(kQuote) != Field::npos)
                std::replace(bytes.begin() + static_cast<std::ptrdiff_t>(textStart), bytes.end(), kQuote,
                             kQuoteStandIn);
            bytes += kQuote;
            bytes += "\r\n";
        }
    }
    return bytes;
}

}  // namespace papyrka
