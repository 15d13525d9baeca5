// The record editor window under Wine, driven as a user would, with the record file on disk.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "base/cp1250.h"
#include "testing/win/editor_driver.h"

namespace papyrka {
namespace {

using test::ModalAnswer;

// Three visible boxes, one multi-line, and one field whose box is never shown.
const RecordLayout kLayout{"Skuska.dat", {"txtName", "txtMemo", "txtPhone1", "txtHidden"}};
const EditorFace kFace{u"Skúška", "Label17", TwipsRect{5160, 120, 735, 255},
                       {Box("txtName", {2040, 1800, 3015, 285}), Box("txtPhone1", {2040, 2160, 3015, 285}),
                        Box("txtMemo", {2040, 2520, 3015, 525}).Scrolled(), HiddenBox("txtHidden")}};
const DesignerTables kTables{u"Skúška", kLayout, kFace, nullptr, {}, ButtonAction::None, ButtonAction::None};
const Designer kDesigner{kTables};

// The record file of these records (name, memo, phone, hidden), written from UTF-8.
std::string Dat(int current, std::initializer_list<std::array<const char*, 4>> records) {
    std::string bytes = std::to_string(records.size()) + "," + std::to_string(current) + "\r\n";
    for (const auto& record : records)
        for (const char* field : record) bytes += "\"" + Utf8ToCp1250(field) + "\"\r\n";
    return bytes;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }

class EditorWindowTest : public ::testing::Test {
protected:
    void Open() {
        form = std::make_unique<EditorWindow>(kDesigner, folder.path(), EditorWindow::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    test::EditorDriver Driver() const { return test::EditorDriver(*form); }
    std::wstring Position() const { return test::W(Driver().Caption("lblCurrRecord")); }

    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<EditorWindow> form;
};

// Creating and saving in the window, each program's own test shows.
TEST_F(EditorWindowTest, CentredScaledWithItsDpiKoniecAskingBeforeItDropsChangesAndDeleteAsking) {
    const std::string saved = Dat(1, {{"Novák Ján", "prvý\r\ndruhý", "", ""}});
    folder.Write("Skuska.dat", saved);
    Open();
    HWND window = form->hwnd();
    RECT frame{}, box{};
    GetWindowRect(window, &frame);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 400) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - 400) / 2;
    EXPECT_TRUE(Same(frame, RECT{left, top, left + 400, top + 400}));
    EXPECT_FALSE(IsWindowVisible(Driver().Box("txtHidden")));
    // At twice the scale everything moves and grows together, the fonts too, and still reacts.
    RECT suggested{100, 50, 900, 850};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(Driver().Box("txtName"), &box);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_TRUE(Same(box, RECT{272, 240, 674, 278}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Driver().Box("txtName"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -22);   // 8.25 pt at 192 dpi
    Driver().Type(Driver().Box("txtPhone1"), u"0905");
    answers.Push({ModalAnswer::Button, IDCANCEL, {}});
    answers.Push({ModalAnswer::Button, IDNO, {}});
    Driver().ClickLabel("Label19");   // Cancel stays, No ends without saving
    ASSERT_NE(form->hwnd(), nullptr);
    Driver().ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read("Skuska.dat"), saved);
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[1].title, L"Skúška");
    answers.seen.clear();

    // Reopened: the question names the stored record under the program's title; No keeps it.
    Open();
    SetWindowTextW(Driver().Box("txtName"), L"prepísané");
    answers.Push({ModalAnswer::Button, IDNO, {}});
    answers.Push({ModalAnswer::Button, IDYES, {}});
    Driver().ClickLabel("Label11");
    EXPECT_EQ(Position(), L"Record 1 of 1");
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, L"Skúška");
    EXPECT_EQ(Driver().Colour("Label11"), kGreen);   // under the mouse until it reaches the bare background
    Driver().Click(Driver().AtTwips(3000, 5000));
    EXPECT_EQ(Driver().Colour("Label11"), kPink);
    // Yes deletes the last record: no box stays enabled and the window keeps the keyboard focus.
    Driver().ClickLabel("Label11");
    test::PumpMessages();
    EXPECT_EQ(Position(), L"No Records");
    EXPECT_FALSE(IsWindowEnabled(Driver().Box("txtMemo")));
    EXPECT_EQ(GetFocus(), form->hwnd());
    answers.Push({ModalAnswer::Button, IDYES, {}});
    Driver().ClickLabel("Label19");   // Yes saves, then ends
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read("Skuska.dat"), Dat(0, {}));
}

TEST_F(EditorWindowTest, EverySystemCloseSavesBeforeItReturns) {
    const struct { const char* what; UINT message; WPARAM wParam; bool closes; } closes[] = {
        {"WM_CLOSE", WM_CLOSE, 0, true},     {"shutdown asked", WM_QUERYENDSESSION, 0, false},
        {"shutdown", WM_ENDSESSION, TRUE, true}, {"Alt+F4 in a box", WM_SYSKEYDOWN, VK_F4, true}};
    for (const auto& c : closes) {
        SCOPED_TRACE(c.what);
        folder.Write("Skuska.dat", Dat(1, {{"A", "", "", ""}}));
        Open();
        Driver().Type(Driver().Box("txtPhone1"), u"123");
        const bool key = c.message == WM_SYSKEYDOWN;
        const LRESULT result =
            SendMessageW(key ? GetFocus() : form->hwnd(), c.message, c.wParam, key ? 1 | (1 << 29) : 0);
        EXPECT_TRUE(c.message != WM_QUERYENDSESSION || result == TRUE);   // the session may end
        test::PumpMessages();
        EXPECT_EQ(folder.Read("Skuska.dat"), Dat(1, {{"A", "", "123", ""}}));
        EXPECT_EQ(form->hwnd() == nullptr, c.closes);
    }
}

TEST_F(EditorWindowTest, FileErrorsAreShownOverTheWindowAndAFailedSaveOnClosingKeepsTheWindowAndTheList) {
    ASSERT_TRUE(std::filesystem::create_directory(folder / "Skuska.dat"));   // no file can be read or written there
    for (int box = 0; box < 3; ++box) answers.Push({ModalAnswer::Button, IDOK, {}});
    Open();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(answers.seen[0].ownerVisible);
    EXPECT_EQ(answers.seen[0].title, L"Skúška");
    Driver().ClickLabel("Label10");
    Driver().Type(Driver().Box("txtName"), u"Novák");
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(SendMessageW(form->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_EQ(answers.seen.size(), 3u);
    EXPECT_EQ(test::TextOf(Driver().Box("txtName")), L"Novák");
    EXPECT_EQ(form->Records().count(), 1);
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
    answers.Push({ModalAnswer::Button, IDYES, {}});
    answers.Push({ModalAnswer::Button, IDOK, {}});
    Driver().ClickLabel("Label19");   // Yes, and the save fails: the window stays
    ASSERT_NE(form->hwnd(), nullptr);
    answers.Push({ModalAnswer::Button, IDNO, {}});
    Driver().ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
}

TEST_F(EditorWindowTest, SearchIsAModalCentredDialog) {
    folder.Write("Skuska.dat", Dat(1, {{"Novák", "", "", ""}, {"B", "heslo Ľubica", "", ""}, {"C", "", "", ""}}));
    Open();
    const test::EditorDriver driver = Driver();
    // Each search: where it ends, the box with the focus, and the modal windows seen so far.
    const struct { ModalAnswer::Kind kind; const wchar_t* text; const wchar_t* position; const char* focus;
                   size_t seen; } searches[] = {
        {ModalAnswer::SearchEnter, L"ľUB", L"Record 2 of 3", "txtMemo", 1},
        {ModalAnswer::SearchConfirmButton, L"NOVÁK", L"Record 1 of 3", "txtName", 2},
        {ModalAnswer::SearchEnter, L"xyz", L"Record 1 of 3", "txtName", 4},   // and "not found"
        {ModalAnswer::SearchEscape, L"C", L"Record 1 of 3", "txtName", 5},
        {ModalAnswer::SearchKoniec, L"C", L"Record 1 of 3", "txtName", 6},
    };
    for (const auto& s : searches) {
        SCOPED_TRACE(s.seen);
        answers.Push({s.kind, 0, s.text});
        if (s.seen == 4) answers.Push({ModalAnswer::Button, IDOK, {}});
        driver.ClickLabel("Label12");
        test::PumpMessages();
        EXPECT_EQ(Position(), s.position);
        EXPECT_EQ(GetFocus(), driver.Box(s.focus));
        ASSERT_EQ(answers.seen.size(), s.seen);
    }
    // frmSearch is 6000 x 1800 twips, centred, and holds the editor while it is up.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 400) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - 120) / 2;
    EXPECT_TRUE(Same(answers.seen[0].frame, RECT{left, top, left + 400, top + 120}));
    EXPECT_FALSE(answers.seen[0].ownerEnabled);
    EXPECT_EQ(answers.seen[3].text, L"Tento údaj nebol nájdený 'xyz'.");
    EXPECT_EQ(answers.seen[3].title, L"Skúška");
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
    // Tab into a single-line box selects its text.
    SendMessageW(driver.Box("txtName"), EM_SETSEL, 2, 2);
    SetFocus(driver.Box("txtMemo"));
    SendMessageW(driver.Box("txtMemo"), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));
    EXPECT_EQ(SendMessageW(driver.Box("txtName"), EM_GETSEL, 0, 0), MAKELRESULT(0, 5));
    driver.ClickLabel("Label19");   // paging and searching changed nothing: no question
    EXPECT_EQ(form->hwnd(), nullptr);
}

// Wine's edit control takes minutes to wrap such a paragraph: it is shown unwrapped instead,
// in a box that keeps its place in the tab order.
TEST_F(EditorWindowTest, AParagraphOf100000CharactersIsShownAndSavedWhole) {
    std::string note;
    while (note.size() < 100000) note += "slovo ";
    folder.Write("Skuska.dat", Dat(1, {{"A", note.c_str(), "", ""}, {"B", "kr\u00e1tka", "", ""}}));
    Open();
    form->Editor().Next();
    form->Editor().Previous();
    const HWND memo = Driver().Box("txtMemo");
    EXPECT_EQ(test::TextOf(memo), std::wstring(note.begin(), note.end()));
    SetFocus(Driver().Box("txtPhone1"));
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), memo);
    Driver().Type(Driver().Box("txtName"), u"x");
    Driver().Type(memo, u"y");   // more than the edit control's own limit still takes keys
    Driver().ClickLabel("Label14");
    EXPECT_EQ(folder.Read("Skuska.dat"), Dat(1, {{"xA", ("y" + note).c_str(), "", ""}, {"B", "kr\u00e1tka", "", ""}}));
}

// Wine 8's edit control crashes on text that starts with ˇ ˛ or ˝, or has one after a no-break
// space, in the faces a user's prefix has for the Windows ones: such text read from the file,
// typed, pasted and set shows in the boxes and is saved byte for byte.
TEST_F(EditorWindowTest, TextStartingWithCaronOgonekOrDoubleAcuteShowsAndIsSavedAsItCame) {
    folder.Write("Skuska.dat", Dat(1, {{"ˇNovák", "\u00A0˛prvý\r\n˝druhý", "", ""}}));
    Open();
    const HWND name = Driver().Box("txtName"), phone = Driver().Box("txtPhone1"), memo = Driver().Box("txtMemo");
    EXPECT_EQ(test::TextOf(name), L"ˇNovák");
    Driver().Type(phone, u"˝1");
    SendMessageW(name, EM_SETSEL, 0, -1);
    SendMessageW(name, WM_COPY, 0, 0);
    SendMessageW(phone, EM_SETSEL, 0, 0);
    SendMessageW(phone, WM_PASTE, 0, 0);
    SetWindowTextW(memo, L"˛a\u00A0˝\r\n\u00A0ˇ");
    for (HWND box : {name, phone, memo}) UpdateWindow(box);
    EXPECT_EQ(test::TextOf(phone), L"ˇNovák˝1");
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    test::PumpMessages();
    EXPECT_EQ(folder.Read("Skuska.dat"), Dat(1, {{"ˇNovák", "˛a\u00A0˝\r\n\u00A0ˇ", "ˇNovák˝1", ""}}));
}

}  // namespace
}  // namespace papyrka
