// Lines drawn lie inside their box, except a lone word wider than it, which covers it edge to edge.
#include <cstdlib>
#include "base/cp1250.h"
#include "layout/layout_text.h"
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace papyrka;
    if (size < 7) return 0;
    const int width = (data[0] | data[1] << 8) - 1000, height = data[2] | data[3] << 8;
    const int lineHeight = data[4], pitch = data[5] + 1;
    const std::u16string text = Cp1250ToUtf16({reinterpret_cast<const char*>(data) + 7, size - 7});
    const MeasureText measure = [](std::u16string_view s) { int w = 0; for (char16_t c : s) w += 1 + c % 8; return w; };
    const auto lines = WrapText(text, width, measure, VisibleLineCount(height, lineHeight, pitch));
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        const std::u16string_view shown = std::u16string_view(text).substr(line.start, line.length);
        const int x = LineOffset(static_cast<Align>(data[6] % 3), width, line.width);
        const bool oneWord = shown.find_last_not_of(u' ') <= shown.find_first_of(u' ', shown.find_first_not_of(u' '));
        const bool inOrder = i == 0 || line.start >= lines[i - 1].start + lines[i - 1].length;
        if (!inOrder || line.start + line.length > text.size() || shown.find_first_of(u"\r\n") != shown.npos ||
            (i > 0 && static_cast<int>(i) * pitch + lineHeight > height) ||
            (line.width > width ? !oneWord || x > 0 || x + line.width < width : x < 0 || x + line.width > width))
            std::abort();
    }
    return 0;
}
