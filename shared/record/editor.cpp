#include "editor.h"

#include <algorithm>
#include <string>

#include "base/cp1250.h"
#include "base/decimal.h"
#include "record_file.h"
#include "search.h"

namespace papyrka {

namespace {

// The record file has no escape for a double quote, and the boxes refuse one already;
// dropping it here as well keeps every saved file readable whatever the view lets through.
Field Storable(std::u16string_view text) {
    Field bytes;
    Utf16ToCp1250(text, bytes);
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '"'), bytes.end());
    return bytes;
}

}  // namespace

std::u16string PositionLine(int current, int count) {
    if (count < 1) return u"No Records";
    return u"Record " + DecimalText(current) + u" of " + DecimalText(count);
}

std::u16string DeleteQuestion(std::u16string_view storedName) {
    return u"Naozaj si prajete vymazať tieto údaje ? " + std::u16string(storedName) + u"?";
}

void RecordEditor::Load(const std::u16string& path, Reporter& reporter) {
    LoadRecords(path, list_, reporter);
    ShowCurrentRecord();
}

bool RecordEditor::Save(const std::u16string& path, Reporter& reporter) {
    StoreCurrentRecord();
    return SaveRecords(path, list_, reporter);
}

void RecordEditor::StoreCurrentRecord() {
    if (list_.count() < 1) return;
    Record& record = list_.at(list_.current());
    for (int field = 0; field < list_.fieldCount(); ++field)
        record.set(static_cast<size_t>(field), Storable(view_.BoxText(field)));
}

void RecordEditor::ShowCurrentRecord() {
    const bool showing = list_.count() >= 1;
    EnableFields(showing);
    for (int field = 0; field < list_.fieldCount(); ++field)
        view_.SetBoxText(field, showing ? Cp1250ToUtf16(list_.at(list_.current())[static_cast<size_t>(field)])
                                        : std::u16string());
    view_.ShowPosition(PositionLine(list_.current(), list_.count()));
}

void RecordEditor::Create() {
    // A full list refuses like the other impossible actions, before anything is stored.
    if (list_.count() >= RecordList::kMaxCount) return view_.Beep();
    StoreCurrentRecord();
    list_.append();
    list_.setCurrent(list_.count());
    ShowCurrentRecord();
    view_.FocusBox(0);
}

void RecordEditor::Delete() {
    if (list_.count() == 0) return view_.Beep();
    // The question names the record as stored: an unstored edit of the name is not what goes.
    if (!view_.AskYesNo(DeleteQuestion(Cp1250ToUtf16(list_.at(list_.current())[0])))) return;
    list_.remove(list_.current());
    ShowCurrentRecord();
}

void RecordEditor::Previous() {
    if (list_.current() < 2) return view_.Beep();
    StoreCurrentRecord();
    list_.setCurrent(list_.current() - 1);
    ShowCurrentRecord();
}

void RecordEditor::Next() {
    if (list_.current() >= list_.count()) return view_.Beep();
    StoreCurrentRecord();
    list_.setCurrent(list_.current() + 1);
    ShowCurrentRecord();
}

void RecordEditor::Search() {
    bool firstRecord = false;
    if (!view_.GetSearchStr(firstRecord, lastSearch_)) return;
    if (!lastSearch_.empty()) FindRecord(firstRecord);
}

void RecordEditor::FindRecord(bool fromFirst) {
    const int first = fromFirst ? 1 : list_.current() + 1;
    StoreCurrentRecord();
    const SearchMatch match = FindFirstMatch(list_, lastSearch_, first);
    if (!match) return view_.ShowMessage(NotFoundMessage(lastSearch_));
    view_.FocusBox(match.field);
    list_.setCurrent(match.position);
    ShowCurrentRecord();
}

}  // namespace papyrka
