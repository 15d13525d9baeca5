#pragma once
// The editor as a print action sees it, without a window: box texts by control name.
#include <map>
#include <string>
#include <string_view>

#include "designer/win/designer.h"

namespace papyrka::test {

class FakeEditor : public EditorContext {
public:
    FakeEditor(std::u16string_view title, std::map<std::string_view, std::u16string> boxTexts)
        : title_(title), texts_(std::move(boxTexts)) {}

    std::u16string BoxText(std::string_view control) const override {
        const auto found = texts_.find(control);
        return found == texts_.end() ? std::u16string() : found->second;
    }
    void StoreCurrentRecord() override {}
    const RecordList& Records() const override { return records_; }
    HWND Window() const override { return nullptr; }
    std::u16string_view ProgramTitle() const override { return title_; }

private:
    std::u16string_view title_;
    std::map<std::string_view, std::u16string> texts_;
    RecordList records_{1};
};

}  // namespace papyrka::test
