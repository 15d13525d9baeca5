#include "record/search.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "base/cp1250.h"

namespace papyrka {

char16_t FoldCase(char16_t ch) {
    if (ch >= u'A' && ch <= u'Z') return static_cast<char16_t>(ch + 0x20);
    if (ch < 0xC0) return ch;
    if (ch <= 0xDE) return ch == 0xD7 ? ch : static_cast<char16_t>(ch + 0x20);   // 0xD7 is the times sign
    // Latin Extended-A keeps each capital right before its small letter, in three runs
    // whose parity differs; U+0130/U+0131 (Turkish i) and U+0138 (kra) have no simple partner.
    const bool evenRun = (ch >= 0x100 && ch <= 0x12F) || (ch >= 0x132 && ch <= 0x137) || (ch >= 0x14A && ch <= 0x177);
    if (evenRun) return ch % 2 == 0 ? static_cast<char16_t>(ch + 1) : ch;
    const bool oddRun = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
    if (oddRun) return ch % 2 == 1 ? static_cast<char16_t>(ch + 1) : ch;
    if (ch == 0x178) return 0xFF;   // Ÿ
    return ch;
}

namespace {

std::u16string Folded(std::u16string_view text) {
    std::u16string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
    return folded;
}

// Folding works on the stored bytes: Windows-1250 gives every byte its own character and folding
// never leaves the characters it can store, so folding a byte is exactly folding its character.
using ByteTable = std::array<unsigned char, 256>;

const ByteTable& ByteFolds() {
    static const ByteTable folds = [] {
        ByteTable table{};
        std::string folded;
        for (size_t byte = 0; byte < table.size(); ++byte) {
            const std::u16string text = Cp1250ToUtf16(std::string(1, static_cast<char>(byte)));
            table[byte] = static_cast<unsigned char>(Utf16ToCp1250(Folded(text), folded) ? folded[0] : byte);
        }
        return table;
    }();
    return folds;
}

// The text folded once per search, and found in the records' bytes without converting them.
class FoldedNeedle {
public:
    // Empty when the text is empty, or holds a character or a quote that no record holds.
    static std::optional<FoldedNeedle> Of(std::u16string_view wanted) {
        FoldedNeedle needle;
        if (wanted.empty() || !Utf16ToCp1250(Folded(wanted), needle.bytes_) ||
            needle.bytes_.find('"') != std::string::npos)
            return std::nullopt;
        // Folding pairs a capital with its small letter only: each folded byte stands for two
        // stored bytes at most.
        needle.first_.fill(static_cast<unsigned char>(needle.bytes_.front()));
        needle.last_.fill(static_cast<unsigned char>(needle.bytes_.back()));
        for (size_t byte = 0; byte < needle.fold_.size(); ++byte) {
            const auto stored = static_cast<unsigned char>(byte);
            if (needle.fold_[byte] == needle.first_[0] && stored != needle.first_[0]) needle.first_[1] = stored;
            if (needle.fold_[byte] == needle.last_[0] && stored != needle.last_[0]) needle.last_[1] = stored;
        }
        return needle;
    }

    // The first field of the record that holds the needle, or -1. The needle holds no quote
    // (no field does), so any place that matches lies wholly inside a field's text or wholly
    // between two fields; the number of quotes before it tells which, and which field.
    int FieldHolding(std::string_view record) const {
        size_t quotes = 0;
        size_t counted = 0;
        for (size_t at = Find(record, 0); at != std::string_view::npos; at = Find(record, at + 1)) {
            quotes += static_cast<size_t>(std::count(record.begin() + counted, record.begin() + at, '"'));
            counted = at;
            if (quotes % 2 == 1) return static_cast<int>(quotes / 2);
        }
        return -1;
    }

private:
    FoldedNeedle() = default;

    size_t Find(std::string_view text, size_t from) const {
        const size_t length = bytes_.size();
        if (text.size() < length) return std::string_view::npos;
        const auto* s = reinterpret_cast<const unsigned char*>(text.data());
        const size_t end = text.size() - length + 1;   // past the last place where a match can start
        const size_t last = length - 1;
        const unsigned char first0 = first_[0], first1 = first_[1], last0 = last_[0], last1 = last_[1];
        // Blocks without a place whose first and last byte both fit are passed over whole; the
        // test has no branch, so the compiler does a block at a time.
        constexpr size_t kBlock = 32;
        size_t at = from;
        while (at < end) {
            if (end - at >= kBlock) {
                unsigned char fits = 0;
                for (size_t k = 0; k < kBlock; ++k) {
                    const unsigned char head = s[at + k], tail = s[at + k + last];
                    fits |= static_cast<unsigned char>(((head == first0) | (head == first1)) &
                                                       ((tail == last0) | (tail == last1)));
                }
                if (!fits) {
                    at += kBlock;
                    continue;
                }
            }
            for (const size_t stop = std::min(at + kBlock, end); at < stop; ++at)
                if (MatchesAt(s + at)) return at;
        }
        return std::string_view::npos;
    }

    bool MatchesAt(const unsigned char* s) const {
        for (size_t i = 0; i < bytes_.size(); ++i)
            if (fold_[s[i]] != static_cast<unsigned char>(bytes_[i])) return false;
        return true;
    }

    std::string bytes_;   // the text, folded, in Windows-1250
    const ByteTable& fold_ = ByteFolds();
    std::array<unsigned char, 2> first_{}, last_{};   // the stored bytes that fold to its first and last
};

}  // namespace

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view wanted) {
    return Folded(text).find(Folded(wanted)) != std::u16string::npos;
}

SearchMatch FindFirstMatch(const RecordList& list, std::u16string_view wanted, int firstPosition) {
    const int first = std::max(firstPosition, 1);
    if (wanted.empty()) return first <= list.count() ? SearchMatch{first, 0} : SearchMatch{};
    const std::optional<FoldedNeedle> needle = FoldedNeedle::Of(wanted);
    if (!needle) return SearchMatch{};   // a character or a quote that no record holds
    for (int position = first; position <= list.count(); ++position) {
        const int field = needle->FieldHolding(list.at(position).bytes());
        if (field >= 0) return SearchMatch{position, field};
    }
    return SearchMatch{};
}

std::u16string NotFoundMessage(std::u16string_view wanted) {
    return u"Tento údaj nebol nájdený '" + std::u16string(wanted) + u"'.";
}

}  // namespace papyrka
