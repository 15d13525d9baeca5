// Folding is stable and storable; any piece of a field, in the field's own case, finds that field.
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
    RecordList list(3);
    list.assign({Record(3), Record{"", field, ""}});
    if (!ContainsIgnoringCase(text, wanted) || FindFirstMatch(list, wanted, 1).position != 1 + !wanted.empty())
        std::abort();
    return 0;
}
