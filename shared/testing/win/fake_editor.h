#pragma once
// The editor as a print action sees it, without a window: box texts by control name, and a
// count of what printing must never do (store the record).
#include <map>
#include <string>
#include <string_view>

#include "designer/win/designer.h"

namespace papyrka::test {

class FakeEditor : public EditorContext {
public:
    FakeEditor(std::u16string_view title, std::map<std::string_view, std::u16string> boxTexts)
        : title_(title), texts(std::move(boxTexts)) {}

    std::u16string BoxText(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::u16string() : found->second;
    }
    void StoreCurrentRecord() override { ++stored; }
    const RecordList& Records() const override { return records_; }
    HWND Window() const override { return nullptr; }
    std::u16string_view ProgramTitle() const override { return title_; }

private:
    std::u16string_view title_;
    RecordList records_{1};

public:
    std::map<std::string_view, std::u16string> texts;
    int stored = 0;
};

}  // namespace papyrka::test
