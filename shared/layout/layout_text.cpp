#include "layout/layout_text.h"

#include <algorithm>

namespace papyrka {

namespace {

constexpr char16_t kSpace = u' ';

bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

std::size_t ParagraphEnd(std::u16string_view text, std::size_t from) {
    while (from < text.size() && !IsBreak(text[from])) ++from;
    return from;
}

std::size_t NextParagraph(std::u16string_view text, std::size_t end) {
    if (end >= text.size()) return text.size() + 1;   // past the last paragraph
    if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') return end + 2;
    return end + 1;
}

// The next place after `from` (and before `end`) where a word ends: a space that follows
// a non-space, or the paragraph's end.
std::size_t NextWordEnd(std::u16string_view text, std::size_t from, std::size_t end) {
    std::size_t i = from;
    while (i < end && text[i] == kSpace) ++i;   // leading spaces belong to the first word
    while (i < end && text[i] != kSpace) ++i;
    return i;
}

// Appends the lines of one paragraph [start, end), stopping once `lines` holds `maxLines`.
void WrapParagraph(std::u16string_view text, std::size_t start, std::size_t end, int boxWidth,
                   const MeasureText& measure, std::size_t maxLines, std::vector<TextLine>& lines) {
    std::size_t lineStart = start;
    do {
        std::size_t wordEnd = NextWordEnd(text, lineStart, end);
        TextLine line{lineStart, wordEnd - lineStart, measure(text.substr(lineStart, wordEnd - lineStart))};
        // Extend word by word while the line still fits; a first word that does not fit
        // stays alone on the line.
        while (wordEnd < end && line.width <= boxWidth) {
            const std::size_t nextEnd = NextWordEnd(text, wordEnd, end);
            const int width = measure(text.substr(lineStart, nextEnd - lineStart));
            if (width > boxWidth) break;
            line.length = nextEnd - lineStart;
            line.width = width;
            wordEnd = nextEnd;
        }
        lines.push_back(line);
        lineStart = wordEnd;
        while (lineStart < end && text[lineStart] == kSpace) ++lineStart;
    } while (lineStart < end && lines.size() < maxLines);
}

}  // namespace

std::vector<TextLine> WrapText(std::u16string_view text, int boxWidth, const MeasureText& measure, int maxLines) {
    std::vector<TextLine> lines;
    if (maxLines <= 0 || text.empty()) return lines;
    const std::size_t limit = static_cast<std::size_t>(maxLines);
    for (std::size_t start = 0; start <= text.size() && lines.size() < limit;) {
        const std::size_t end = ParagraphEnd(text, start);
        WrapParagraph(text, start, end, boxWidth, measure, limit, lines);
        start = NextParagraph(text, end);
    }
    return lines;
}

int VisibleLineCount(int boxHeight, int lineHeight, int linePitch) {
    if (lineHeight <= 0) return 1;
    if (linePitch <= 0) linePitch = lineHeight;
    return std::max(1, (boxHeight - lineHeight) / linePitch + 1);
}

int LineOffset(Align align, int boxWidth, int lineWidth) {
    switch (align) {
    case Align::Centre: return (boxWidth - lineWidth) / 2;
    case Align::Right: return boxWidth - lineWidth;
    case Align::Left: break;
    }
    return 0;
}

}  // namespace papyrka
