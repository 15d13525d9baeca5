#include "record/search.h"

#include <algorithm>

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

}  // namespace

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view wanted) {
    return Folded(text).find(Folded(wanted)) != std::u16string::npos;
}

SearchMatch FindFirstMatch(const RecordList& list, std::u16string_view wanted, int firstPosition) {
    const std::u16string foldedWanted = Folded(wanted);
    for (int position = std::max(firstPosition, 1); position <= list.count(); ++position) {
        const Record& record = list.at(position);
        for (size_t field = 0; field < record.size(); ++field) {
            if (Folded(Cp1250ToUtf16(record[field])).find(foldedWanted) != std::u16string::npos)
                return SearchMatch{position, static_cast<int>(field)};
        }
    }
    return SearchMatch{};
}

std::u16string NotFoundMessage(std::u16string_view wanted) {
    return u"Tento údaj nebol nájdený '" + std::u16string(wanted) + u"'.";
}

}  // namespace papyrka
