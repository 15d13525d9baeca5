// Folding is stable and storable; any piece of a field, in the field's own case, finds that field;
// the search over a record's stored bytes finds the first field that the characters' search finds.
#include <algorithm>
#include <cstdlib>
#include "base/cp1250.h"
#include "record/search.h"
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace papyrka;
    std::string field(reinterpret_cast<const char*>(data), size);
    std::replace(field.begin(), field.end(), '"', '\'');   // as a record stores it
    const std::u16string text = Cp1250ToUtf16(field);
    for (char16_t ch : text)
        if (FoldCase(FoldCase(ch)) != FoldCase(ch) || !IsCp1250Storable(FoldCase(ch))) std::abort();
    const std::u16string wanted = text.substr(size > 1 ? data[0] % size : 0, size > 1 ? data[1] : 0);
    const size_t cut = size > 2 ? data[2] % size : 0;
    RecordList list(4);
    list.assign({Record(4), Record{"", field, ""}, Record{field.substr(0, cut), "\r\n", field.substr(cut), ""}});
    if (!ContainsIgnoringCase(text, wanted) || FindFirstMatch(list, wanted, 1).position != 1 + !wanted.empty())
        std::abort();
    int first = -1;
    for (size_t i = list.at(3).size(); i-- > 0;)
        if (ContainsIgnoringCase(Cp1250ToUtf16(list.at(3)[i]), wanted)) first = static_cast<int>(i);
    const SearchMatch match = FindFirstMatch(list, wanted, 3);
    if (match.field != first || match.position != (first < 0 ? 0 : 3)) std::abort();
    return 0;
}
