#include "record/editor.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/cp1250.h"
#include "base/decimal.h"
#include "record/search.h"

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
    // A name of thousands of characters would push the message box's buttons off the screen.
    constexpr size_t kShownLength = 60;
    std::u16string name(storedName.substr(0, kShownLength));
    if (storedName.size() > kShownLength) name += u'…';
    return u"Naozaj si prajete vymazať tieto údaje ? " + name + u"?";
}

// The window names the file on every call. What a store knows about a failed load belongs
// to its own file, so another file means another store, which takes the list along.
RecordStore& RecordEditor::StoreFor(const std::u16string& path) {
    if (path != store_.Path()) store_ = RecordStore(path, std::move(store_.Records()));
    return store_;
}

void RecordEditor::Load(const std::u16string& path, Reporter& reporter) {
    StoreFor(path).Load(reporter);
    changedSinceSave_ = false;
    ShowCurrentRecord();
}

bool RecordEditor::Save(const std::u16string& path, Reporter& reporter) {
    StoreCurrentRecord();
    if (!StoreFor(path).Save(reporter)) return false;
    changedSinceSave_ = false;
    return true;
}

bool RecordEditor::HasUnsavedChanges() const {
    if (changedSinceSave_) return true;
    if (Records().count() < 1) return false;
    const Record& record = Records().at(Records().current());
    for (int field = 0; field < Records().fieldCount(); ++field)
        if (Storable(view_.BoxText(field)) != record[static_cast<size_t>(field)]) return true;
    return false;
}

void RecordEditor::StoreCurrentRecord() {
    if (Records().count() < 1) return;
    Record& record = Records().at(Records().current());
    // Paging stores every time; only a field that really changes makes the list unsaved.
    for (int field = 0; field < Records().fieldCount(); ++field) {
        Field text = Storable(view_.BoxText(field));
        if (text == record[static_cast<size_t>(field)]) continue;
        record.set(static_cast<size_t>(field), std::move(text));
        changedSinceSave_ = true;
    }
}

void RecordEditor::ShowCurrentRecord() {
    const bool showing = Records().count() >= 1;
    EnableFields(showing);
    for (int field = 0; field < Records().fieldCount(); ++field)
        view_.SetBoxText(field, showing ? Cp1250ToUtf16(Records().at(Records().current())[static_cast<size_t>(field)])
                                        : std::u16string());
    view_.ShowPosition(PositionLine(Records().current(), Records().count()));
}

void RecordEditor::Create() {
    // A full list refuses like the other impossible actions, before anything is stored.
    if (Records().count() >= RecordList::kMaxCount) {
        view_.Beep();
        return view_.ShowMessage(u"Zoznam je plný, ďalší záznam sa doň už nezmestí.");
    }
    StoreCurrentRecord();
    Records().append();
    changedSinceSave_ = true;
    Records().setCurrent(Records().count());
    ShowCurrentRecord();
    view_.FocusBox(0);
}

void RecordEditor::Delete() {
    if (Records().count() == 0) return view_.Beep();
    // The question names the record as stored: an unstored edit of the name is not what goes.
    if (!view_.AskYesNo(DeleteQuestion(Cp1250ToUtf16(Records().at(Records().current())[0])))) return;
    Records().remove(Records().current());
    changedSinceSave_ = true;
    ShowCurrentRecord();
}

void RecordEditor::Previous() {
    if (Records().current() < 2) return view_.Beep();
    StoreCurrentRecord();
    Records().setCurrent(Records().current() - 1);
    ShowCurrentRecord();
}

void RecordEditor::Next() {
    if (Records().current() >= Records().count()) return view_.Beep();
    StoreCurrentRecord();
    Records().setCurrent(Records().current() + 1);
    ShowCurrentRecord();
}

void RecordEditor::Search() {
    bool firstRecord = false;
    if (!view_.GetSearchStr(firstRecord, lastSearch_)) return;
    if (!lastSearch_.empty()) FindRecord(firstRecord);
}

void RecordEditor::FindRecord(bool fromFirst) {
    const int first = fromFirst ? 1 : Records().current() + 1;
    StoreCurrentRecord();
    const SearchMatch match = FindFirstMatch(Records(), lastSearch_, first);
    if (!match) return view_.ShowMessage(NotFoundMessage(lastSearch_));
    view_.FocusBox(match.field);
    Records().setCurrent(match.position);
    ShowCurrentRecord();
}

}  // namespace papyrka
