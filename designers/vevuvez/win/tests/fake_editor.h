#pragma once
// The editor as a print action sees it: text boxes as they stand on screen, and a count of
// what the action must never do (store the record).
#include <map>
#include <string>

#include "designer.h"

namespace papyrka::vevuvez {

class FakeEditor : public EditorContext {
public:
    explicit FakeEditor(std::map<std::string, std::u16string, std::less<>> boxes)
        : boxes_(std::move(boxes)), records_(13) {}

    std::u16string BoxText(std::string_view control) const override {
        const auto found = boxes_.find(control);
        return found == boxes_.end() ? std::u16string() : found->second;
    }
    void StoreCurrentRecord() override { ++stored; }
    const RecordList& Records() const override { return records_; }
    HWND Window() const override { return nullptr; }
    std::u16string_view ProgramTitle() const override { return u"Vevuvez"; }

    int stored = 0;

private:
    std::map<std::string, std::u16string, std::less<>> boxes_;
    RecordList records_;
};

// Two cards that share no text; `second` leaves txt5 empty.
FakeEditor FirstCard();
FakeEditor SecondCard();

}  // namespace papyrka::vevuvez
