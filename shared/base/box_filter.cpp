#include "base/box_filter.h"

#include "base/cp1250.h"

namespace papyrka {

bool IsRefusedInBox(char16_t ch) { return ch == u'"' || !IsCp1250Storable(ch); }

PasteFilter FilterPastedText(std::u16string_view pasted, bool multiLine) {
    if (!multiLine) pasted = pasted.substr(0, pasted.find_first_of(u"\r\n"));
    PasteFilter result;
    result.text.reserve(pasted.size());
    for (char16_t ch : pasted) {
        if (IsRefusedInBox(ch))
            result.dropped = true;
        else
            result.text.push_back(ch);
    }
    return result;
}

}  // namespace papyrka
