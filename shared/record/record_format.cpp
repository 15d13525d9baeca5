#include "record/record_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "record/saved_records.h"

namespace papyrka {
namespace {

constexpr char kQuote = '"';
constexpr char kEndOfFileMark = '\x1A';

class ItemReader {
public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    enum class Outcome { Item, EndOfFile, UnclosedQuote };

    // Reads the next item; itemStart tells where it began, for messages. The text is a view
    // into the bytes.
    Outcome Next(std::string_view& text) {
        while (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;
        itemStart_ = pos_;
        if (pos_ == bytes_.size()) return Outcome::EndOfFile;
        if (bytes_[pos_] == kQuote) return ReadQuoted(text);
        ReadUnquoted(text);
        return Outcome::Item;
    }

    size_t itemStart() const { return itemStart_; }
    size_t position() const { return pos_; }
    void SkipTo(size_t position) { pos_ = position; }

    // Where text that is not blank starts after the last item read, or npos. One end-of-file
    // mark, as DOS-era tools end a text file with, is not text.
    size_t TextLeft() const {
        constexpr std::string_view kBlank = " \t\r\n";
        const size_t rest = bytes_.find_first_not_of(kBlank, pos_);
        if (rest == std::string_view::npos || bytes_[rest] != kEndOfFileMark) return rest;
        const size_t after = bytes_.find_first_not_of(kBlank, rest + 1);
        return after == std::string_view::npos ? after : rest;
    }

private:
    Outcome ReadQuoted(std::string_view& text) {
        const size_t begin = pos_ + 1;
        const void* close = std::memchr(bytes_.data() + begin, kQuote, bytes_.size() - begin);
        if (!close) return Outcome::UnclosedQuote;
        const size_t end = static_cast<size_t>(static_cast<const char*>(close) - bytes_.data());
        text = bytes_.substr(begin, end - begin);
        pos_ = end + 1;
        if (pos_ + 1 < bytes_.size() && bytes_[pos_] == '\r' && bytes_[pos_ + 1] == '\n') {   // as RecordStore::Save writes
            pos_ += 2;
            return Outcome::Item;
        }
        // Whatever stands between the closing quote and the separator is not part of the item.
        while (pos_ < bytes_.size() && !IsSeparator(bytes_[pos_])) ++pos_;
        SkipSeparator();
        return Outcome::Item;
    }

    void ReadUnquoted(std::string_view& text) {
        size_t end = pos_;
        while (end < bytes_.size() && !IsSeparator(bytes_[end])) ++end;
        size_t last = end;
        while (last > pos_ && bytes_[last - 1] == ' ') --last;
        text = bytes_.substr(pos_, last - pos_);
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

ParseResult ParseRecords(std::string file, RecordList& list) {
    list.clear();
    // Where the records read as they are stored view the file's bytes, so it is kept on the heap
    // where it stays, with the list.
    auto kept = std::make_shared<const std::string>(std::move(file));
    const std::string_view bytes = *kept;
    ParseResult result;
    ItemReader reader(bytes);
    auto fail = [&](ParseFault fault, size_t offset) {
        result.fault = fault;
        result.line = LineAt(bytes, offset);
        return result;
    };

    std::string_view countText;
    std::string_view currentText;
    long count = 0;
    long current = 0;
    if (reader.Next(countText) != ItemReader::Outcome::Item || !ParseHeaderNumber(countText, count))
        return fail(ParseFault::HeaderNotNumbers, reader.itemStart());
    if (reader.Next(currentText) != ItemReader::Outcome::Item ||
        !ParseHeaderNumber(currentText, current))
        return fail(ParseFault::HeaderNotNumbers, reader.itemStart());
    if (count < 0 || count > RecordList::kMaxCount) {
        // Only for the message: a count of a thousand digits is shown cut short.
        const size_t first = countText.find_first_not_of(' ');
        const size_t length = countText.find_last_not_of(' ') + 1 - first;
        result.countText = std::string(countText.substr(first, std::min<size_t>(length, 12)));
        if (length > 12) result.countText += "...";
        return fail(ParseFault::CountOutOfRange, 0);
    }

    // Records are built whole and handed to the list at the end; after a fault the list still
    // holds the header's count, the rest empty, as if it had been sized from the header first.
    const size_t fieldCount = static_cast<size_t>(list.fieldCount());
    std::vector<Record> records;
    // Every field but the file's last takes at least its separator's byte.
    records.reserve(std::min(static_cast<size_t>(count), bytes.size() / fieldCount + 1));
    auto finish = [&] {
        if (!records.empty()) records.back().resize(fieldCount);
        list.assign(std::move(records), static_cast<int>(count), std::move(kept));
        list.setCurrent(static_cast<int>(current));
    };
    const size_t savedEnd =
        count > 0 ? ReadSavedRecords(bytes, reader.position(), fieldCount, static_cast<size_t>(count), records) : 0;
    if (savedEnd > 0) {
        reader.SkipTo(savedEnd);
    } else {
        // Any other file is read item by item. A record's items are found first and copied
        // second, so that its one block of bytes is allocated once at its final size.
        records.clear();
        std::vector<std::string_view> items;
        items.reserve(fieldCount);
        auto store = [&] { records.emplace_back().assign(items.data(), items.size()); };
        std::string_view text;
        for (int record = 1; record <= count; ++record) {
            items.clear();
            for (size_t field = 1; field <= fieldCount; ++field) {
                const ItemReader::Outcome outcome = reader.Next(text);
                if (outcome == ItemReader::Outcome::Item) {
                    items.push_back(text);
                    continue;
                }
                store();
                result.record = record;
                result.field = static_cast<int>(field);
                finish();
                return fail(outcome == ItemReader::Outcome::EndOfFile ? ParseFault::EndsEarly : ParseFault::UnclosedQuote,
                            reader.itemStart());
            }
            store();
        }
    }
    finish();
    const size_t rest = reader.TextLeft();
    if (rest != std::string_view::npos) return fail(ParseFault::TextAfterEnd, rest);
    return result;
}

Pieces SerializedPieces(const RecordList& list, std::string& joined) {
    // Below this a run costs less to copy than to write on its own.
    constexpr size_t kLongRun = 64 * 1024;
    const std::string header = std::to_string(list.count()) + ',' + std::to_string(list.current()) + "\r\n";
    // A record holds its bytes as they are written, so a run of records adjacent in memory is
    // one piece of the file.
    Pieces runs;
    for (int record = 1; record <= list.count(); ++record) {
        const std::string_view next = list.at(record).bytes();
        if (!runs.empty() && runs.back().data() + runs.back().size() == next.data())
            runs.back() = std::string_view(runs.back().data(), runs.back().size() + next.size());
        else
            runs.push_back(next);
    }
    size_t copied = header.size();
    for (std::string_view run : runs)
        if (run.size() < kLongRun) copied += run.size();
    joined.clear();
    joined.reserve(copied);   // never grows below, so pieces into it stay valid
    joined += header;
    Pieces pieces;
    size_t pending = 0;   // where the copied bytes not yet in a piece start
    const auto closeCopied = [&] {
        if (joined.size() > pending) pieces.emplace_back(joined.data() + pending, joined.size() - pending);
        pending = joined.size();
    };
    for (std::string_view run : runs) {
        if (run.size() < kLongRun) {
            joined += run;
            continue;
        }
        closeCopied();
        pieces.push_back(run);
    }
    closeCopied();
    return pieces;
}

std::string SerializeRecords(const RecordList& list) {
    std::string joined;
    const Pieces pieces = SerializedPieces(list, joined);
    size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    std::string bytes;
    bytes.reserve(size);
    for (std::string_view piece : pieces) bytes += piece;
    return bytes;
}

}  // namespace papyrka
