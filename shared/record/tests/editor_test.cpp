#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "base/cp1250.h"
#include "record/editor.h"
#include "testing/test_support.h"

namespace papyrka {
namespace {

using Texts = std::vector<std::u16string>;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

// An EditorView that keeps what the editor shows and says, and answers from a script.
struct FakeView : EditorView {
    std::u16string BoxText(int field) const override { return boxes.at(static_cast<size_t>(field)); }
    void SetBoxText(int field, std::u16string_view text) override { boxes.at(static_cast<size_t>(field)) = text; }
    void EnableBoxes(bool on) override { enabled = on; }
    void ShowPosition(std::u16string_view line) override { position = line; }
    void Beep() override { ++beeps; }
    bool AskYesNo(std::u16string_view question) override { return questions.emplace_back(question), answerYes; }
    void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
    void FocusBox(int field) override { focus = field; }
    bool GetSearchStr(bool& firstRecord, std::u16string& text) override {
        if (searchConfirmed) firstRecord = true, text = searchText;
        return searchConfirmed;
    }

    Texts boxes = Texts(3), questions, messages;
    std::u16string position, searchText;
    bool enabled = true, answerYes = true, searchConfirmed = true;
    int beeps = 0, focus = -1;
};

// An editor of three fields over records named as given, each with "tel <name>" in field 2.
struct Editor {
    explicit Editor(std::initializer_list<const char*> names = {}, int current = 1) {
        for (const char* name : names) {
            editor.Records().append();
            const std::string cp1250 = Utf8ToCp1250(name);
            editor.Records().at(editor.Records().count()) = {cp1250, "tel " + cp1250, ""};
        }
        editor.Records().setCurrent(current);
        editor.ShowCurrentRecord();
    }
    std::u16string Stored(int position, int field) const {
        return Cp1250ToUtf16(editor.Records().at(position)[static_cast<size_t>(field)]);
    }
    FakeView view;
    RecordEditor editor{3, view};
};

TEST(Editor, RefusedActionsBeepAndChangeNothingAndAnEmptyListShowsDisabledBlankBoxes) {
    const struct { int count, current; void (RecordEditor::*action)(); const char16_t* position; } cases[] = {
        {0, 0, &RecordEditor::Delete, u"No Records"},   {0, 0, &RecordEditor::Previous, u"No Records"},
        {0, 0, &RecordEditor::Next, u"No Records"},     {3, 1, &RecordEditor::Previous, u"Record 1 of 3"},
        {3, 3, &RecordEditor::Next, u"Record 3 of 3"},
        {RecordList::kMaxCount, 5, &RecordEditor::Create, u"Record 5 of 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Editor e;
        e.view.boxes = {u"stale", u"stale", u"stale"};
        e.editor.Records().resize(c.count);
        e.editor.Records().setCurrent(c.current);
        e.editor.ShowCurrentRecord();
        EXPECT_EQ(e.view.enabled, c.count > 0);
        e.view.boxes[0] = u"typed";
        (e.editor.*c.action)();
        EXPECT_EQ(std::tuple(e.view.beeps, e.view.questions.size(), e.view.position),
                  std::tuple(1, size_t{0}, std::u16string(c.position)));
        EXPECT_EQ(e.view.messages.size(), c.action == &RecordEditor::Create);   // "the list is full"
        EXPECT_EQ(std::pair(e.editor.Records().count(), e.editor.Records().current()), std::pair(c.count, c.current));
        EXPECT_EQ(e.view.boxes, (Texts{u"typed", u"", u""}));   // the stale texts went; the typed one is left...
        EXPECT_TRUE(c.count == 0 || e.Stored(c.current, 0).empty());   // ...and not stored
    }
}

TEST(Editor, PagingAndCreateStoreWhatTheRecordFileCanHold) {
    Editor e({"Prvý", "Druhý", "Tretí"});
    e.view.boxes = {u"Ján \"Jano\" Novák \u4E2D", u"tel Prvý", u"riadok 1\r\nriadok 2"};
    e.editor.Next();
    EXPECT_EQ((Texts{e.Stored(1, 0), e.Stored(1, 2)}), (Texts{u"Ján Jano Novák ", u"riadok 1\r\nriadok 2"}));
    EXPECT_EQ((Texts{e.view.position, e.view.boxes[0]}), (Texts{u"Record 2 of 3", U("Druhý")}));
    e.view.boxes[1] = u"0905 111 222";
    e.editor.Previous();
    EXPECT_EQ(e.Stored(2, 1), u"0905 111 222");
    e.view.boxes[2] = u"poznámka";
    e.editor.Create();
    EXPECT_EQ((Texts{e.Stored(1, 2), e.view.position}), (Texts{u"poznámka", u"Record 4 of 4"}));
    EXPECT_EQ(e.view.boxes, Texts(3));
    EXPECT_EQ(std::pair(e.view.focus, e.view.beeps), std::pair(0, 0));
}

TEST(Editor, DeleteAsksWithTheStoredNameDropsTheUnstoredEditsAndShowsTheRightRecord) {
    const struct { std::initializer_list<const char*> names; int current; bool yes;
                   const char16_t* position; const char* nameBox; } cases[] = {
        {{"Prvý", "Druhý", "Tretí"}, 3, true, u"Record 2 of 2", "Druhý"},
        {{"Prvý", "Druhý", "Tretí"}, 1, true, u"Record 1 of 2", "Druhý"},
        {{"Prvý", "Druhý", "Tretí"}, 2, true, u"Record 2 of 2", "Tretí"},
        {{"Jediný"}, 1, true, u"No Records", ""},
        {{"Novák Ján", "Kováč"}, 1, false, u"Record 1 of 2", "Prepísané meno"},   // No keeps everything
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Editor e(c.names, c.current);
        e.view.boxes = {u"Prepísané meno", u"nový telefón", u""};
        e.view.answerYes = c.yes;
        e.editor.Delete();
        EXPECT_EQ(e.view.questions,
                  Texts{U("Naozaj si prajete vymazať tieto údaje ? ") + U(c.names.begin()[c.current - 1]) + u"?"});
        EXPECT_EQ((Texts{e.view.position, e.view.boxes[0]}), (Texts{c.position, U(c.nameBox)}));
        const int count = e.editor.Records().count();
        EXPECT_EQ(std::pair(count, e.view.enabled), std::pair(static_cast<int>(c.names.size()) - c.yes, count > 0));
        for (int i = 1; i <= count; ++i) EXPECT_EQ(e.Stored(i, 1), u"tel " + e.Stored(i, 0)) << "typed, never stored";
    }
}

TEST(Editor, AVeryLongNameIsShortenedInTheDeleteQuestion) {
    const std::u16string question = DeleteQuestion(std::u16string(5000, u'x'));
    EXPECT_EQ(question.substr(question.size() - 4), u"xx…?");
    EXPECT_LT(question.size(), 120u);
    EXPECT_EQ(DeleteQuestion(std::u16string(60, u'x')).find(u'…'), std::u16string::npos);
}

TEST(Editor, UnsavedChangesAreTheBoxesOrTheRecordsDifferingFromTheLastLoadOrSave) {
    test::TempFolder folder;
    test::RecordingReporter reporter;
    folder.Write("Z.dat", "2,1\r\n\"A\"\r\n\"\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n\"\"\r\n");
    Editor e;
    e.editor.Load(folder.File("Z.dat"), reporter);
    EXPECT_FALSE(e.editor.HasUnsavedChanges());
    e.editor.Next();
    EXPECT_FALSE(e.editor.HasUnsavedChanges());   // paging alone
    e.view.boxes[1] = u"tel";
    EXPECT_TRUE(e.editor.HasUnsavedChanges());
    e.editor.Previous();
    EXPECT_TRUE(e.editor.HasUnsavedChanges());    // stored, not saved
    ASSERT_TRUE(e.editor.Save(folder.File("Z.dat"), reporter));
    EXPECT_FALSE(e.editor.HasUnsavedChanges());
    e.editor.Create();
    EXPECT_TRUE(e.editor.HasUnsavedChanges());
}

TEST(Editor, SearchStoresTheBoxesScansFromTheFirstRecordAndFocusesTheMatchingBox) {
    const struct { bool confirmed; const char16_t* text; const char16_t* position; int focus; bool notFound, stored;
    } cases[] = {
        {true, u"NOV", u"Record 2 of 4", 0, false, true},     // the first match from record 1
        {true, u"HESLOM", u"Record 4 of 4", 2, false, true},  // in the boxes as shown
        {true, u"abc", u"Record 4 of 4", -1, true, true},
        {false, u"NOV", u"Record 4 of 4", -1, false, false},  // closed
        {true, u"", u"Record 4 of 4", -1, false, false},      // an empty text confirmed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Editor e({"Kováč", "Novák", "Horváth", "Nováková"}, 4);
        e.view.boxes[2] = u"poznámka s heslom";
        e.view.searchConfirmed = c.confirmed;
        e.view.searchText = c.text;
        e.editor.Search();
        EXPECT_EQ(std::pair(e.view.position, e.view.focus), std::pair(std::u16string(c.position), c.focus));
        EXPECT_EQ(e.view.messages, c.notFound ? Texts{U("Tento údaj nebol nájdený 'abc'.")} : Texts{});
        EXPECT_EQ(e.Stored(4, 2), c.stored ? u"poznámka s heslom" : u"");
    }
    Editor empty;
    empty.view.searchText = u"x";
    empty.editor.Search();
    EXPECT_EQ(empty.view.messages, Texts{u"Tento údaj nebol nájdený 'x'."});
    EXPECT_EQ(empty.view.position, u"No Records");
}

}  // namespace
}  // namespace papyrka
