// Bytes survive Windows-1250 and back; a box takes only what it can store, and tells what it refused.
#include <cstdlib>
#include "base/box_filter.h"
#include "base/cp1250.h"
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace papyrka;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string back;
    if (!Utf16ToCp1250(Cp1250ToUtf16(bytes), back) || back != bytes) std::abort();
    const std::u16string pasted(reinterpret_cast<const char16_t*>(bytes.data()), size / 2);
    for (bool multiLine : {false, true}) {
        const auto [text, dropped, firstRefused] = FilterPastedText(pasted, multiLine);
        const size_t offered = multiLine ? pasted.size() : std::min(pasted.find_first_of(u"\r\n"), pasted.size());
        if (dropped != (text.size() < offered) || (!multiLine && text.find_first_of(u"\r\n") != text.npos) ||
            text.find(u'"') != text.npos || !Utf16ToCp1250(text, back) || Cp1250ToUtf16(back) != text ||
            dropped != IsRefusedInBox(firstRefused) || (dropped && RefusalHint(firstRefused).empty())) std::abort();
    }
    return 0;
}
