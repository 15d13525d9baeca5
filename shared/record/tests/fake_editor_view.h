#pragma once
// An EditorView that keeps what the editor shows and says, and answers its questions from
// a script, so that the editing rules can be tested without a window.
#include <deque>
#include <string>
#include <vector>

#include "editor.h"

namespace papyrka::test {

struct SearchAnswer {
    bool confirmed;
    std::u16string text;
};

class FakeEditorView : public EditorView {
public:
    explicit FakeEditorView(int fieldCount) : boxes(static_cast<size_t>(fieldCount)) {}

    std::u16string BoxText(int field) const override { return boxes.at(static_cast<size_t>(field)); }
    void SetBoxText(int field, std::u16string_view text) override { boxes.at(static_cast<size_t>(field)) = text; }
    void EnableBoxes(bool on) override { enabled = on; }
    void ShowPosition(std::u16string_view line) override { position = line; }
    void Beep() override { ++beeps; }
    bool AskYesNo(std::u16string_view question) override {
        questions.emplace_back(question);
        return answerYes;
    }
    void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
    void FocusBox(int field) override { focus = field; }
    bool GetSearchStr(bool& firstRecord, std::u16string& text) override {
        searchTextHandedIn.push_back(text);
        if (searchAnswers.empty() || !searchAnswers.front().confirmed) {
            if (!searchAnswers.empty()) searchAnswers.pop_front();
            return false;
        }
        firstRecord = true;
        text = searchAnswers.front().text;
        searchAnswers.pop_front();
        return true;
    }

    std::vector<std::u16string> boxes;
    bool enabled = true;
    std::u16string position;
    int beeps = 0;
    bool answerYes = true;
    std::vector<std::u16string> questions;
    std::vector<std::u16string> messages;
    int focus = -1;
    std::deque<SearchAnswer> searchAnswers;
    std::vector<std::u16string> searchTextHandedIn;
};

}  // namespace papyrka::test
