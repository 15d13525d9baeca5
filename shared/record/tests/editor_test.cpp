#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "cp1250.h"
#include "editor.h"
#include "fake_editor_view.h"
#include "test_support.h"

namespace papyrka {
namespace {

using test::FakeEditorView;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

class EditorTest : public ::testing::Test {
protected:
    static constexpr int kFields = 3;

    // Records named as given, each with "tel <name>" in field 2, showing `current`.
    void Fill(std::initializer_list<const char*> names, int current) {
        RecordList& list = editor.Records();
        for (const char* name : names) {
            list.append();
            list.at(list.count()) = {Utf8ToCp1250(name), Utf8ToCp1250(std::string("tel ") + name), ""};
        }
        list.setCurrent(current);
        editor.ShowCurrentRecord();
    }
    std::u16string Stored(int position, int field) const {
        return Cp1250ToUtf16(editor.Records().at(position)[static_cast<size_t>(field)]);
    }

    FakeEditorView view{kFields};
    RecordEditor editor{kFields, view};
};

TEST_F(EditorTest, EmptyListShowsDisabledBlankBoxes) {
    view.boxes = {u"stale", u"stale", u"stale"};
    editor.ShowCurrentRecord();
    EXPECT_FALSE(view.enabled);
    EXPECT_EQ(view.boxes, (std::vector<std::u16string>{u"", u"", u""}));
    EXPECT_EQ(view.position, u"No Records");
}

TEST_F(EditorTest, CreateInEmptyListShowsTheNewRecordWithFocusOnTheName) {
    editor.ShowCurrentRecord();
    editor.Create();
    EXPECT_TRUE(view.enabled);
    EXPECT_EQ(view.position, u"Record 1 of 1");
    EXPECT_EQ(view.focus, 0);
    EXPECT_EQ(view.boxes, (std::vector<std::u16string>{u"", u"", u""}));
    EXPECT_EQ(view.beeps, 0);
}

TEST_F(EditorTest, CreateStoresTheShownRecordFirst) {
    Fill({"Novák"}, 1);
    view.boxes[1] = U("0905 111 222");
    editor.Create();
    EXPECT_EQ(Stored(1, 1), U("0905 111 222"));
    EXPECT_EQ(view.position, u"Record 2 of 2");
}

TEST_F(EditorTest, CreateInAFullListBeepsAndChangesNothing) {
    RecordList& list = editor.Records();
    list.resize(RecordList::kMaxCount);
    list.setCurrent(5);
    editor.ShowCurrentRecord();
    view.boxes[0] = u"typed, not stored";
    editor.Create();
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(list.count(), RecordList::kMaxCount);
    EXPECT_EQ(list.current(), 5);
    EXPECT_EQ(Stored(5, 0), u"");
    EXPECT_EQ(view.boxes[0], u"typed, not stored");
}

TEST_F(EditorTest, RefusedActionsBeepAndChangeNothing) {
    struct Case {
        const char* what;
        int count, current;
        void (RecordEditor::*action)();
    };
    const Case cases[] = {
        {"delete in an empty list", 0, 0, &RecordEditor::Delete},
        {"previous in an empty list", 0, 0, &RecordEditor::Previous},
        {"next in an empty list", 0, 0, &RecordEditor::Next},
        {"previous on the first record", 3, 1, &RecordEditor::Previous},
        {"next on the last record", 3, 3, &RecordEditor::Next},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeEditorView fresh(kFields);
        RecordEditor subject(kFields, fresh);
        subject.Records().resize(c.count);
        subject.Records().setCurrent(c.current);
        subject.ShowCurrentRecord();
        if (c.count > 0) fresh.boxes[0] = u"typed";
        const std::u16string position = fresh.position;
        (subject.*c.action)();
        EXPECT_EQ(fresh.beeps, 1);
        EXPECT_TRUE(fresh.questions.empty());
        EXPECT_EQ(fresh.position, position);
        EXPECT_EQ(subject.Records().current(), c.current);
        if (c.count > 0) {
            EXPECT_EQ(fresh.boxes[0], u"typed");                   // left in the box...
            EXPECT_EQ(subject.Records().at(c.current)[0], "");    // ...and not stored
        }
    }
}

TEST_F(EditorTest, PagingStoresTheBoxesAndDoesNotWrap) {
    Fill({"Prvý", "Druhý", "Tretí"}, 1);
    editor.Previous();   // refused: the typed text below must survive it unstored
    view.boxes[0] = u"Prvý zmenený";
    editor.Previous();
    EXPECT_EQ(Stored(1, 0), U("Prvý"));
    editor.Next();
    EXPECT_EQ(Stored(1, 0), U("Prvý zmenený"));
    EXPECT_EQ(view.position, u"Record 2 of 3");
    EXPECT_EQ(view.boxes[0], U("Druhý"));
    editor.Next();
    editor.Next();
    EXPECT_EQ(view.position, u"Record 3 of 3");
    EXPECT_EQ(view.beeps, 3);   // twice on the first record, once on the last
    view.boxes[2] = u"poznámka";
    editor.Previous();
    EXPECT_EQ(Stored(3, 2), u"poznámka");
    EXPECT_EQ(view.position, u"Record 2 of 3");
}

TEST_F(EditorTest, DeleteMovesToTheRightRecord) {
    struct Case {
        std::initializer_list<const char*> names;
        int current;
        const char16_t* position;
        const char* shownName;
    };
    const Case cases[] = {
        {{"Prvý", "Druhý", "Tretí"}, 3, u"Record 2 of 2", "Druhý"},
        {{"Prvý", "Druhý", "Tretí"}, 1, u"Record 1 of 2", "Druhý"},
        {{"Prvý", "Druhý", "Tretí"}, 2, u"Record 2 of 2", "Tretí"},
        {{"Jediný"}, 1, u"No Records", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        FakeEditorView fresh(kFields);
        RecordEditor subject(kFields, fresh);
        for (const char* name : c.names) {
            subject.Records().append();
            subject.Records().at(subject.Records().count())[0] = Utf8ToCp1250(name);
        }
        subject.Records().setCurrent(c.current);
        subject.ShowCurrentRecord();
        subject.Delete();
        EXPECT_EQ(fresh.position, c.position);
        EXPECT_EQ(fresh.boxes[0], U(c.shownName));
        EXPECT_EQ(subject.Records().count(), static_cast<int>(c.names.size()) - 1);
        EXPECT_EQ(fresh.enabled, subject.Records().count() > 0);
    }
}

TEST_F(EditorTest, DeleteAsksWithTheStoredNameAndNoKeepsEverything) {
    Fill({"Novák Ján", "Kováč"}, 1);
    view.boxes[0] = u"Prepísané meno";
    view.answerYes = false;
    editor.Delete();
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0], U("Naozaj si prajete vymazať tieto údaje ? Novák Ján?"));
    EXPECT_EQ(editor.Records().count(), 2);
    EXPECT_EQ(view.boxes[0], u"Prepísané meno");
    EXPECT_EQ(Stored(1, 0), U("Novák Ján"));
}

TEST_F(EditorTest, DeleteDiscardsTheUnstoredEditsOfTheDeletedRecord) {
    Fill({"Prvý", "Druhý"}, 2);
    view.boxes[1] = u"nový telefón";
    editor.Delete();
    EXPECT_EQ(view.position, u"Record 1 of 1");
    EXPECT_EQ(Stored(1, 1), U("tel Prvý"));
    EXPECT_EQ(view.boxes[1], U("tel Prvý"));
}

TEST_F(EditorTest, StoringKeepsOnlyWhatTheRecordFileCanHold) {
    Fill({"Novák"}, 1);
    view.boxes[0] = u"Ján \"Jano\" Novák \u4E2D";
    view.boxes[2] = u"riadok 1\r\nriadok 2";
    editor.StoreCurrentRecord();
    EXPECT_EQ(Stored(1, 0), u"Ján Jano Novák ");
    EXPECT_EQ(Stored(1, 2), u"riadok 1\r\nriadok 2");
}

TEST_F(EditorTest, SaveStoresTheShownRecordAndWritesTheWholeList) {
    test::ScratchFolder folder;
    test::RecordingReporter reporter;
    Fill({"Novák"}, 1);
    view.boxes[2] = u"Ďalší riadok";
    editor.Save(folder.File("Davavazo.dat"), reporter);
    EXPECT_EQ(test::ReadBytes(folder / "Davavazo.dat"),
              "1,1\r\n\"" + Utf8ToCp1250("Novák") + "\"\r\n\"" + Utf8ToCp1250("tel Novák") + "\"\r\n\"" +
                  Utf8ToCp1250("Ďalší riadok") + "\"\r\n");
    EXPECT_TRUE(reporter.messages.empty());

    FakeEditorView reloadedView(kFields);
    RecordEditor reloaded(kFields, reloadedView);
    reloaded.Load(folder.File("Davavazo.dat"), reporter);
    EXPECT_EQ(reloadedView.position, u"Record 1 of 1");
    EXPECT_EQ(reloadedView.boxes[2], U("Ďalší riadok"));
}

TEST_F(EditorTest, LoadShowsTheRecordThatWasCurrentAndAMissingFileIsSilent) {
    test::ScratchFolder folder;
    test::RecordingReporter reporter;
    test::WriteBytes(folder / "Davavazo.dat", "2,2\r\n\"A\"\r\n\"\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n\"\"\r\n");
    editor.Load(folder.File("Davavazo.dat"), reporter);
    EXPECT_EQ(view.position, u"Record 2 of 2");
    EXPECT_EQ(view.boxes[0], u"B");

    FakeEditorView emptyView(kFields);
    RecordEditor empty(kFields, emptyView);
    empty.Load(folder.File("Missing.dat"), reporter);
    EXPECT_EQ(emptyView.position, u"No Records");
    EXPECT_FALSE(emptyView.enabled);
    EXPECT_TRUE(reporter.messages.empty());
}

}  // namespace
}  // namespace papyrka
