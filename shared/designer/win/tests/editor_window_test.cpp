// The record editor window under Wine: as designed at 96 dpi and at another scale, and a
// user's paths through it with the record file on disk.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "win32/artwork.h"
#include "base/cp1250.h"
#include "testing/win/editor_driver.h"
#include "win32/labels.h"

namespace papyrka {
namespace {

using test::EditorDriver;
using test::ModalAnswer;
using test::W;

// A small program for the skeleton alone: three visible boxes (one multi-line, tab order
// not the field order) and one field whose box is never shown.
const RecordLayout kLayout{"Skuska.dat", {"txtName", "txtMemo", "txtPhone1", "txtHidden"}};

const EditorFace kFace{
    u"Skúška",
    "Label17",
    TwipsRect{5160, 120, 735, 255},
    {
        Box("txtName", {2040, 1800, 3015, 285}),
        Box("txtPhone1", {2040, 2160, 3015, 285}),
        Box("txtMemo", {2040, 2520, 3015, 525}).Scrolled(),
        HiddenBox("txtHidden"),
    },
    {Caption(u"Meno :", {120, 1800, 1800, 255}), Caption(u"Telefón :", {120, 2160, 1800, 255})},
};
const DesignerTables kTables{u"Skúška", kLayout, kFace, nullptr, {}, ButtonAction::None, ButtonAction::None};
const Designer kDesigner{kTables};

std::wstring Wide(const char* utf8) { return W(Cp1250ToUtf16(Utf8ToCp1250(utf8))); }

// The record file of these records (name, memo, phone, hidden), written from UTF-8.
std::string Dat(int current, std::initializer_list<std::array<const char*, 4>> records) {
    std::string bytes = std::to_string(records.size()) + "," + std::to_string(current) + "\r\n";
    for (const auto& record : records)
        for (const char* field : record) bytes += "\"" + Utf8ToCp1250(field) + "\"\r\n";
    return bytes;
}

RECT ChildRect(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }

class EditorWindowTest : public ::testing::Test {
protected:
    void Open() {
        form = std::make_unique<EditorWindow>(kDesigner, folder.path(), EditorWindow::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    EditorDriver Driver() const { return EditorDriver(*form); }
    std::wstring Position() const { return W(Driver().Caption("lblCurrRecord")); }
    std::wstring Text(const char* control) const { return test::TextOf(Driver().Box(control)); }

    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<EditorWindow> form;
};

TEST_F(EditorWindowTest, ABorderlessFixedToolWindowOf6000TwipsCentredWithEverythingAtItsTwipsDividedBy15) {
    Open();
    HWND window = form->hwnd();
    const EditorDriver driver = Driver();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT client{}, frame{}, after{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_TRUE(Same(client, RECT{0, 0, 400, 400}));
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 400) / 2);
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE, 0);   // the user can neither move nor resize it
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    GetWindowRect(window, &after);
    EXPECT_TRUE(Same(frame, after));

    const struct { const char* name; const char16_t* caption; RECT pixels; COLORREF colour; } labels[] = {
        {"Label9", u"MENU >", {16, 96, 65, 113}, kYellow},
        {"Label10", u"Vytvoriť", {72, 96, 121, 113}, kPink},
        {"Label11", u"Vymazať", {136, 96, 185, 113}, kPink},
        {"Label12", u"Vyhľadať", {200, 96, 257, 113}, kPink},
        {"Label13", u"Vytlačiť", {272, 96, 321, 113}, kPink},
        {"Label14", u"Uložiť", {336, 96, 385, 113}, kPink},
        {"Label19", u"Koniec", {16, 368, 385, 385}, kYellow},
        {"lblCurrRecord", u"No Records", {8, 344, 385, 361}, kYellow},
    };
    for (const auto& e : labels) {
        SCOPED_TRACE(e.name);
        ASSERT_GE(driver.Label(e.name), 0);
        EXPECT_EQ(driver.Caption(e.name), e.caption);
        EXPECT_EQ(driver.Colour(e.name), e.colour);
        EXPECT_TRUE(Same(driver.LabelRect(e.name), e.pixels));
    }
    EXPECT_EQ(driver.Colour("Label17"), kWhite);
    EXPECT_TRUE(Same(ChildRect(driver.Box("txtMemo")), RECT{136, 168, 337, 203}));
    EXPECT_FALSE(IsWindowVisible(driver.Box("txtHidden")));

    // At twice the scale everything moves and grows together, the fonts too, and still reacts.
    RECT suggested{100, 50, 900, 850};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetClientRect(window, &client);
    EXPECT_TRUE(Same(client, RECT{0, 0, 800, 800}));
    EXPECT_TRUE(Same(ChildRect(driver.Box("txtName")), RECT{272, 240, 674, 278}));
    EXPECT_TRUE(Same(driver.LabelRect("Label10"), RECT{144, 192, 242, 226}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(driver.Box("txtName"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -22);   // 8.25 pt at 192 dpi
    driver.MoveTo(driver.Centre("Label13"));
    EXPECT_EQ(driver.Colour("Label13"), kGreen);
}

TEST_F(EditorWindowTest, ButtonsTurnGreenUnderTheMouseUntilTheBackgroundAndShowAHandCursor) {
    Open();
    const EditorDriver driver = Driver();
    auto greenPixels = [&] {
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const RECT r = driver.LabelRect("Label14");
        HDC dc = GetDC(form->hwnd());
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += GetPixel(dc, x, y) == kGreen;
        ReleaseDC(form->hwnd(), dc);
        return count;
    };
    EXPECT_EQ(greenPixels(), 0);
    // Straight from one button to the next, then over an arrow, a label without hover and a caption.
    for (const char* name : {"Label10", "Label11", "Label19", "Label14"}) driver.MoveTo(driver.Centre(name));
    driver.MoveTo(driver.AtTwips(5400, 1900));
    driver.MoveTo(driver.Centre("Label9"));
    driver.MoveTo(driver.AtTwips(1000, 1850));
    for (const char* name : {"Label10", "Label11", "Label19", "Label14"})
        EXPECT_EQ(driver.Colour(name), kGreen) << name;
    EXPECT_EQ(driver.Colour("Label12"), kPink);
    EXPECT_EQ(driver.Colour("Label9"), kYellow);
    EXPECT_GT(greenPixels(), 10);

    driver.MoveTo(driver.AtTwips(3000, 5000));   // bare background
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label14"})
        EXPECT_EQ(driver.Colour(name), kPink) << name;
    EXPECT_EQ(driver.Colour("Label19"), kYellow);

    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label14", "Label19"})
        EXPECT_EQ(driver.CursorAt(driver.Centre(name)), win::HandCursor()) << name;
    EXPECT_EQ(driver.CursorAt(driver.AtTwips(5400, 1900)), win::HandCursor());   // Image1
    EXPECT_EQ(driver.CursorAt(driver.AtTwips(5400, 2500)), win::HandCursor());   // Image2
    for (POINT at : {driver.Centre("Label9"), driver.Centre("lblCurrRecord"), driver.AtTwips(3000, 5000)})
        EXPECT_EQ(driver.CursorAt(at), arrow) << at.x << "," << at.y;
}

TEST_F(EditorWindowTest, NoFileThenCreateTypeSaveKoniecWhichSavesNothingAndDeleteAsking) {
    Open();
    EXPECT_EQ(Position(), L"No Records");
    for (const char* box : {"txtName", "txtPhone1", "txtMemo"}) {
        EXPECT_FALSE(IsWindowEnabled(Driver().Box(box))) << box;
        EXPECT_EQ(Text(box), L"") << box;
    }
    Driver().ClickLabel("Label10");
    EXPECT_EQ(Position(), L"Record 1 of 1");
    EXPECT_TRUE(IsWindowEnabled(Driver().Box("txtName")));
    EXPECT_EQ(GetFocus(), Driver().Box("txtName"));

    Driver().Type(Driver().Box("txtName"), u"Nov\"ák \u4E2DJán");   // the quote and the CJK letter are refused
    Driver().Type(Driver().Box("txtMemo"), u"prvý\rdruhý");
    EXPECT_EQ(Text("txtName"), Wide("Novák Ján"));
    Driver().ClickLabel("Label14");
    const std::string saved = Dat(1, {{"Novák Ján", "prvý\r\ndruhý", "", ""}});
    EXPECT_EQ(folder.Read(L"Skuska.dat"), saved);
    Driver().Type(Driver().Box("txtPhone1"), u"0905");
    Driver().ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read(L"Skuska.dat"), saved);
    EXPECT_TRUE(answers.seen.empty());

    // Reopened: the question names the stored record under the program's title; No keeps it.
    Open();
    EXPECT_EQ(Position(), L"Record 1 of 1");
    SetWindowTextW(Driver().Box("txtName"), L"prepísané");
    answers.Push({ModalAnswer::Button, IDNO, {}});
    answers.Push({ModalAnswer::Button, IDYES, {}});
    Driver().ClickLabel("Label11");
    EXPECT_EQ(Position(), L"Record 1 of 1");
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, Wide("Skúška"));
    EXPECT_EQ(answers.seen[0].text, Wide("Naozaj si prajete vymazať tieto údaje ? Novák Ján?"));
    // Yes deletes the last record: no box stays enabled and the window keeps the keyboard focus.
    Driver().ClickLabel("Label11");
    test::PumpMessages();
    EXPECT_EQ(Position(), L"No Records");
    EXPECT_EQ(GetFocus(), form->hwnd());
}

TEST_F(EditorWindowTest, EverySystemCloseSavesBeforeItReturns) {
    const struct { const char* what; UINT message; WPARAM wParam; bool closes; } closes[] = {
        {"WM_CLOSE", WM_CLOSE, 0, true},
        {"shutdown asked", WM_QUERYENDSESSION, 0, false},
        {"shutdown", WM_ENDSESSION, TRUE, true},
        {"Alt+F4 in a box", WM_SYSKEYDOWN, VK_F4, true},
    };
    for (const auto& c : closes) {
        SCOPED_TRACE(c.what);
        folder.Write(L"Skuska.dat", Dat(1, {{"A", "", "", ""}}));
        Open();
        Driver().Type(Driver().Box("txtPhone1"), u"123");
        const bool key = c.message == WM_SYSKEYDOWN;
        const LRESULT result =
            SendMessageW(key ? GetFocus() : form->hwnd(), c.message, c.wParam, key ? 1 | (1 << 29) : 0);
        EXPECT_TRUE(c.message != WM_QUERYENDSESSION || result == TRUE);   // the session may end
        test::PumpMessages();
        EXPECT_EQ(folder.Read(L"Skuska.dat"), Dat(1, {{"A", "", "123", ""}}));
        EXPECT_EQ(form->hwnd() == nullptr, c.closes);
    }
}

TEST_F(EditorWindowTest, FileErrorsAreShownOverTheWindowAndAFailedSaveOnClosingKeepsTheWindowAndTheList) {
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Skuska.dat").c_str(), nullptr));   // no file can be read or written there
    for (int box = 0; box < 3; ++box) answers.Push({ModalAnswer::Button, IDOK, {}});
    Open();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(answers.seen[0].ownerVisible);
    EXPECT_EQ(answers.seen[0].title, Wide("Skúška"));
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
    Driver().ClickLabel("Label10");
    Driver().Type(Driver().Box("txtName"), u"Novák");
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(SendMessageW(form->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_EQ(answers.seen.size(), 3u);
    EXPECT_EQ(Text("txtName"), Wide("Novák"));
    EXPECT_EQ(form->Records().count(), 1);
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
    Driver().ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
    RemoveDirectoryW(folder.File(L"Skuska.dat").c_str());
}

TEST_F(EditorWindowTest, TabRunsDownTheScreenAndTheArrowsPage) {
    folder.Write(L"Skuska.dat", Dat(1, {{"A", "", "", ""}, {"B", "", "", ""}}));
    Open();
    const EditorDriver driver = Driver();
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));
    for (const char* next : {"txtPhone1", "txtMemo", "txtName"}) {
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(GetFocus(), driver.Box(next)) << next;
    }
    const POINT image1 = driver.AtTwips(5400, 1900), image2 = driver.AtTwips(5400, 2500);
    driver.Click(image2);
    EXPECT_EQ(Position(), L"Record 2 of 2");
    EXPECT_EQ(Text("txtName"), L"B");
    driver.Click(image1);
    EXPECT_EQ(Position(), L"Record 1 of 2");
    // A press on one target and a release on another is no click.
    SendMessageW(driver.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(image2.x, image2.y));
    SendMessageW(driver.window(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Position(), L"Record 1 of 2");
}

TEST_F(EditorWindowTest, SearchIsAModalCentredDialogThatFindsOrSaysItFoundNothing) {
    folder.Write(L"Skuska.dat", Dat(3, {{"Novák", "", "", ""}, {"B", "heslo Ľubica", "", ""}, {"C", "", "", ""}}));
    Open();
    auto search = [&](ModalAnswer::Kind kind, const wchar_t* text, bool notFound = false) {
        answers.Push({kind, 0, text});
        if (notFound) answers.Push({ModalAnswer::Button, IDOK, {}});
        Driver().ClickLabel("Label12");
        test::PumpMessages();
    };
    search(ModalAnswer::SearchEnter, L"ľUB");
    EXPECT_EQ(Position(), L"Record 2 of 3");
    EXPECT_EQ(GetFocus(), Driver().Box("txtMemo"));
    ASSERT_EQ(answers.seen.size(), 1u);   // frmSearch: 6000 x 1800 twips, centred, modal
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 400) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - 120) / 2;
    EXPECT_TRUE(Same(answers.seen[0].frame, RECT{left, top, left + 400, top + 120}));
    EXPECT_FALSE(answers.seen[0].ownerEnabled);

    search(ModalAnswer::SearchConfirmButton, L"NOVÁK");
    EXPECT_EQ(Position(), L"Record 1 of 3");
    EXPECT_EQ(GetFocus(), Driver().Box("txtName"));
    search(ModalAnswer::SearchEnter, L"xyz", true);
    search(ModalAnswer::SearchEscape, L"C");
    search(ModalAnswer::SearchKoniec, L"C");
    EXPECT_EQ(Position(), L"Record 1 of 3");
    ASSERT_EQ(answers.seen.size(), 6u);
    EXPECT_EQ(answers.seen[3].text, L"Tento údaj nebol nájdený 'xyz'.");
    EXPECT_EQ(answers.seen[3].title, Wide("Skúška"));
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

}  // namespace
}  // namespace papyrka
