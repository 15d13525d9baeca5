#pragma once
// The record editor's rules, apart from any window: which record is shown, when the boxes
// are copied into the list, what is refused with a beep, what is asked and what is said.
// The window implements EditorView; field indexes are 0-based positions in the record.
#include <string>
#include <string_view>

#include "record/record_file.h"
#include "record/record_list.h"
#include "base/reporter.h"

namespace papyrka {

class EditorView {
public:
    virtual ~EditorView() = default;
    virtual std::u16string BoxText(int field) const = 0;
    virtual void SetBoxText(int field, std::u16string_view text) = 0;
    virtual void EnableBoxes(bool enabled) = 0;
    virtual void ShowPosition(std::u16string_view line) = 0;   // lblCurrRecord
    virtual void Beep() = 0;
    virtual bool AskYesNo(std::u16string_view question) = 0;
    virtual void ShowMessage(std::u16string_view text) = 0;
    virtual void FocusBox(int field) = 0;   // a box that is never visible leaves the focus alone
    // frmSearch's GetSearchStr: true only when the user confirmed; then `firstRecord` is set
    // and `text` holds what was typed. Otherwise both keep their values.
    virtual bool GetSearchStr(bool& firstRecord, std::u16string& text) = 0;
};

std::u16string PositionLine(int current, int count);   // "No Records" / "Record n of m"
std::u16string DeleteQuestion(std::u16string_view storedName);   // a long name shortened

class RecordEditor {
public:
    RecordEditor(int fieldCount, EditorView& view) : store_({}, RecordList(fieldCount)), view_(view) {}

    RecordList& Records() { return store_.Records(); }
    const RecordList& Records() const { return store_.Records(); }
    const std::u16string& LastSearchText() const { return lastSearch_; }

    void Load(const std::u16string& path, Reporter& reporter);   // load the file, then show
    bool Save(const std::u16string& path, Reporter& reporter);   // store, then save the file

    void StoreCurrentRecord();
    void ShowCurrentRecord();
    // The boxes differ from the shown record, or the records from those last loaded or saved.
    bool HasUnsavedChanges() const;
    void EnableFields(bool enabled) { view_.EnableBoxes(enabled); }

    void Create();
    void Delete();
    void Previous();
    void Next();
    void Search();
    void FindRecord(bool fromFirst);

private:
    RecordStore& StoreFor(const std::u16string& path);

    RecordStore store_;
    bool changedSinceSave_ = false;   // the list differs from what was last loaded or saved
    EditorView& view_;
    std::u16string lastSearch_;
};

}  // namespace papyrka
