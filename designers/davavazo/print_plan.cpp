#include "designers/davavazo/print_plan.h"

#include <climits>

#include "base/cp1250.h"

namespace papyrka::davavazo {

namespace {

struct PrintedField {
    std::u16string_view label;
    int field;   // 0-based position in the record
};

constexpr PrintedField kPrintedFields[] = {
    {u"Priezvisko a meno : ", 0}, {u"Adresa : ", 2},      {u"Telefónne číslo 1 : ", 4}, {u"Telefónne číslo 2 : ", 1},
    {u"Názov firmy : ", 3},       {u"E - mail : ", 5},    {u"Poznámky 1 : ", 6},         {u"Poznámky 2 : ", 7},
};

// CR LF, a lone CR and a lone LF each end a line: a typed note holds CR LF, but a record
// file edited by hand may hold either alone.
void AppendSplit(std::vector<std::u16string>& lines, std::u16string text) {
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(u"\r\n", start);
        lines.push_back(text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start));
        if (end == std::u16string::npos) return;
        start = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
    }
}

constexpr size_t kTabColumns = 8;

std::u16string ExpandTabs(std::u16string_view line) {
    std::u16string out;
    for (char16_t c : line) {
        if (c != u'\t') out += c;
        else out.append(kTabColumns - out.size() % kTabColumns, u' ');
    }
    return out;
}

// Pieces of `text` no wider than `width`, cut between characters; at least one character each.
void SplitAtCharacters(std::u16string_view text, int width, const MeasureText& measure, int indent,
                       std::vector<PrintedLine>& out) {
    while (!text.empty()) {
        size_t length = 1;
        while (length < text.size() && measure(text.substr(0, length + 1)) <= width) ++length;
        out.push_back({indent, std::u16string(text.substr(0, length))});
        text.remove_prefix(length);
    }
}

}  // namespace

std::vector<PrintedLine> FitToWidth(const std::vector<std::u16string>& lines, int width, const MeasureText& measure) {
    std::vector<PrintedLine> out;
    for (const std::u16string& raw : lines) {
        const std::u16string line = ExpandTabs(raw);
        if (measure(line) <= width) {
            out.push_back({0, line});
            continue;
        }
        const size_t colon = line.find(u" : ");
        size_t labelLength = colon == std::u16string::npos ? 0 : colon + 3;
        int indent = labelLength ? measure(std::u16string_view(line).substr(0, labelLength)) : 0;
        if (indent > width / 2) labelLength = 0, indent = 0;   // too wide a label leaves no room beside it
        const std::u16string_view body = std::u16string_view(line).substr(labelLength);
        const size_t first = out.size();
        for (const TextLine& piece : WrapText(body, width - indent, measure, INT_MAX)) {
            const std::u16string_view text = body.substr(piece.start, piece.length);
            if (piece.width <= width - indent) out.push_back({indent, std::u16string(text)});
            else SplitAtCharacters(text, width - indent, measure, indent, out);
        }
        if (out.size() == first) out.push_back({indent, {}});
        out[first] = {0, line.substr(0, labelLength) + out[first].text};
    }
    return out;
}

std::vector<std::u16string> ContactListLines(const RecordList& list) {
    std::vector<std::u16string> lines{u"Davavazo"};
    for (int position = 1; position <= list.count(); ++position) {
        const Record& record = list.at(position);
        lines.emplace_back();
        for (const PrintedField& printed : kPrintedFields) {
            const auto index = static_cast<size_t>(printed.field);
            const std::string_view bytes = index < record.size() ? record[index] : std::string_view();
            AppendSplit(lines, std::u16string(printed.label) + Cp1250ToUtf16(bytes));
        }
    }
    return lines;
}

}  // namespace papyrka::davavazo
