#include "designers/davavazo/print_plan.h"

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

}  // namespace

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
