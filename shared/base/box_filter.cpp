#include "base/box_filter.h"

#include "base/cp1250.h"

namespace papyrka {

bool IsRefusedInBox(char16_t ch) { return ch == u'"' || !IsCp1250Storable(ch); }

std::u16string RefusalHint(char16_t ch) {
    // The typographic quotes are the file's own characters: the way to write a quotation.
    if (ch == u'"') return u"Znak \" sa do záznamu nedá uložiť.\nÚvodzovky píšte „takto“.";
    // Half of a pair (an emoji, say) cannot be shown on its own.
    const bool half = ch >= 0xD800 && ch < 0xE000;
    return (half ? std::u16string(u"Tento znak") : u"Znak „" + std::u16string(1, ch) + u"“") +
           u" sa do záznamu nedá uložiť:\nsúbor záznamov má len znaky kódovania Windows-1250.";
}

PasteFilter FilterPastedText(std::u16string_view pasted, bool multiLine) {
    if (!multiLine) pasted = pasted.substr(0, pasted.find_first_of(u"\r\n"));
    PasteFilter result;
    result.text.reserve(pasted.size());
    for (char16_t ch : pasted) {
        if (IsRefusedInBox(ch)) {
            if (!result.dropped) result.firstRefused = ch;
            result.dropped = true;
        } else
            result.text.push_back(ch);
    }
    return result;
}

}  // namespace papyrka
