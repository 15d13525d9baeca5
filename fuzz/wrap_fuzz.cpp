// Lines drawn lie inside their box, except a lone word wider than it, which covers it edge to edge.
#include <cstdint>
#include <cstdlib>
#include "base/cp1250.h"
#include "layout/layout_text.h"
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace papyrka;
    if (size < 7) return 0;
    const int width = (data[0] | data[1] << 8) - 1000, height = data[2] | data[3] << 8, lineHeight = data[4], pitch = data[5] + 1;
    const std::u16string text = Cp1250ToUtf16({reinterpret_cast<const char*>(data) + 7, size - 7});
    const MeasureText measure = [](std::u16string_view piece) { int sum = 0; for (char16_t ch : piece) sum += 1 + (ch & 7); return sum; };
    size_t end = 0;   // of the line before
    int y = -pitch;
    for (const TextLine& line : WrapText(text, width, measure, VisibleLineCount(height, lineHeight, pitch))) {
        const std::u16string_view shown = std::u16string_view(text).substr(line.start, line.length);
        y += pitch;
        const int x = LineOffset(static_cast<Align>(data[6] % 3), width, line.width);
        const bool oneWord = shown.find_last_not_of(u' ') <= shown.find_first_of(u' ', shown.find_first_not_of(u' '));
        if (line.start < end || line.start + line.length > text.size() || shown.find_first_of(u"\r\n") != shown.npos ||
            (line.width > width ? !oneWord || x > 0 || x + line.width < width : x < 0 || x + line.width > width) ||
            (y > 0 && y + lineHeight > height)) std::abort();
        end = line.start + line.length;
    }
    return 0;
}
