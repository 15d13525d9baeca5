#include <gtest/gtest.h>

#include <string>

#include "cp1250.h"
#include "editor_driver.h"

namespace papyrka {
namespace {

using test::EditorDriver;
using test::ModalAnswer;
using test::ModalAnswers;
using test::TempFolder;
using test::TextOf;
using test::W;

const RecordLayout kLayout{"Skuska.dat", {{"txtName", u"Meno :"}, {"txtMemo", u""}, {"txtPhone1", u""}}};

EditorFace MakeFace() {
    EditorFace face;
    face.programName = u"Skúška";
    face.boxes = {
        {"txtName", {2040, 1800, 3015, 285}, kLabelFont, Align::Left, false, false, true, 1},
        {"txtMemo", {2040, 2520, 3015, 525}, kLabelFont, Align::Left, true, true, true, 3},
        {"txtPhone1", {2040, 2160, 3015, 285}, kLabelFont, Align::Left, false, false, true, 2},
    };
    return face;
}
const EditorFace kFace = MakeFace();
const Designer kDesigner{u"Skúška", kLayout, kFace, nullptr};

std::string Cp(const char* utf8) { return Utf8ToCp1250(utf8); }
std::wstring Wide(const char* utf8) { return test::W(Cp1250ToUtf16(Utf8ToCp1250(utf8))); }

class EditorPathTest : public ::testing::Test {
protected:
    void Open() {
        form = std::make_unique<Form3>(kDesigner, folder.path(), Form3::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    EditorDriver Driver() const { return EditorDriver(*form); }
    std::wstring Position() const { return W(Driver().Caption("lblCurrRecord")); }
    std::wstring Text(const char* control) const { return TextOf(Driver().Box(control)); }

    TempFolder folder;
    ModalAnswers answers;
    std::unique_ptr<Form3> form;
};

TEST_F(EditorPathTest, CreateTypeSaveThenKoniecLosesAndSystemCloseKeeps) {
    Open();
    const EditorDriver driver = Driver();
    EXPECT_EQ(Position(), L"No Records");
    for (const char* box : {"txtName", "txtPhone1", "txtMemo"}) {
        EXPECT_FALSE(IsWindowEnabled(driver.Box(box))) << box;
        EXPECT_EQ(Text(box), L"") << box;
    }

    driver.ClickLabel("Label10");
    EXPECT_EQ(Position(), L"Record 1 of 1");
    EXPECT_TRUE(IsWindowEnabled(driver.Box("txtName")));
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));

    driver.Type(driver.Box("txtName"), u"Nov\"ák \u4E2DJán");   // the quote and the CJK letter are refused
    driver.Type(driver.Box("txtMemo"), u"prvý\rdruhý");
    EXPECT_EQ(Text("txtName"), Wide("Novák Ján"));
    driver.ClickLabel("Label14");
    const std::string saved = "1,1\r\n\"" + Cp("Novák Ján") + "\"\r\n\"" + Cp("prvý\r\ndruhý") + "\"\r\n\"\"\r\n";
    EXPECT_EQ(folder.Read(L"Skuska.dat"), saved);

    driver.Type(driver.Box("txtPhone1"), u"0905");
    driver.ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read(L"Skuska.dat"), saved);

    Open();
    EXPECT_EQ(Position(), L"Record 1 of 1");
    EXPECT_EQ(Text("txtName"), Wide("Novák Ján"));
    driver.Type(Driver().Box("txtPhone1"), u"0905");
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read(L"Skuska.dat"),
              "1,1\r\n\"" + Cp("Novák Ján") + "\"\r\n\"" + Cp("prvý\r\ndruhý") + "\"\r\n\"0905\"\r\n");
    EXPECT_TRUE(answers.seen.empty());
}

TEST_F(EditorPathTest, EndOfSessionAndAltF4SaveBeforeTheyReturn) {
    folder.Write(L"Skuska.dat", "1,1\r\n\"A\"\r\n\"\"\r\n\"\"\r\n");
    Open();
    Driver().Type(Driver().Box("txtPhone1"), u"123");
    EXPECT_EQ(SendMessageW(form->hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(folder.Read(L"Skuska.dat"), "1,1\r\n\"A\"\r\n\"\"\r\n\"123\"\r\n");
    Driver().Type(Driver().Box("txtPhone1"), u"4");
    SendMessageW(form->hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(folder.Read(L"Skuska.dat"), "1,1\r\n\"A\"\r\n\"\"\r\n\"1234\"\r\n");
    EXPECT_EQ(form->hwnd(), nullptr);

    Open();
    Driver().Type(Driver().Box("txtName"), u"B");
    SendMessageW(GetFocus(), WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));   // Alt+F4 in a box
    test::PumpMessages();
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(folder.Read(L"Skuska.dat"), "1,1\r\n\"BA\"\r\n\"\"\r\n\"1234\"\r\n");
}

TEST_F(EditorPathTest, AFailedSaveOnClosingKeepsTheWindowAndTheList) {
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Skuska.dat").c_str(), nullptr));   // no file can be written there
    answers.Push({ModalAnswer::Button, IDOK, {}});   // nor read
    Open();
    ASSERT_EQ(answers.seen.size(), 1u);
    const EditorDriver driver = Driver();
    driver.ClickLabel("Label10");
    driver.Type(driver.Box("txtName"), u"Novák");
    answers.Push({ModalAnswer::Button, IDOK, {}});
    answers.Push({ModalAnswer::Button, IDOK, {}});
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(SendMessageW(form->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_EQ(answers.seen.size(), 3u);
    EXPECT_EQ(Text("txtName"), Wide("Novák"));
    EXPECT_EQ(form->Records().count(), 1);
    driver.ClickLabel("Label19");
    EXPECT_EQ(form->hwnd(), nullptr);
    RemoveDirectoryW(folder.File(L"Skuska.dat").c_str());
}

TEST_F(EditorPathTest, TabRunsDownTheScreenAndArrowsPage) {
    folder.Write(L"Skuska.dat", "2,1\r\n\"A\"\r\n\"\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n\"\"\r\n");
    Open();
    const EditorDriver driver = Driver();
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));
    for (const char* next : {"txtPhone1", "txtMemo", "txtName"}) {
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        SendMessageW(GetFocus(), WM_CHAR, L'\t', 1);
        EXPECT_EQ(GetFocus(), driver.Box(next)) << next;
    }
    EXPECT_EQ(Text("txtMemo"), L"");   // Tab moved on; it typed nothing

    driver.Click(driver.AtTwips(5400, 2500));   // Image2: next
    EXPECT_EQ(Position(), L"Record 2 of 2");
    EXPECT_EQ(Text("txtName"), L"B");
    driver.Click(driver.AtTwips(5400, 1900));   // Image1: previous
    EXPECT_EQ(Position(), L"Record 1 of 2");

    // A press on one target and a release on another is no click.
    const POINT image2 = driver.AtTwips(5400, 2500);
    SendMessageW(driver.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(image2.x, image2.y));
    SendMessageW(driver.window(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Position(), L"Record 1 of 2");
}

TEST_F(EditorPathTest, DeleteAsksWithTheStoredNameAndTheProgramsTitle) {
    folder.Write(L"Skuska.dat", "2,2\r\n\"A\"\r\n\"\"\r\n\"\"\r\n\"" + Cp("Kováč") + "\"\r\n\"\"\r\n\"\"\r\n");
    Open();
    const EditorDriver driver = Driver();
    SetWindowTextW(driver.Box("txtName"), L"prepísané");
    answers.Push({ModalAnswer::Button, IDNO, {}});
    answers.Push({ModalAnswer::Button, IDYES, {}});
    driver.ClickLabel("Label11");
    EXPECT_EQ(Position(), L"Record 2 of 2");
    driver.ClickLabel("Label11");
    EXPECT_EQ(Position(), L"Record 1 of 1");
    EXPECT_EQ(Text("txtName"), L"A");
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[0].title, Wide("Skúška"));
    EXPECT_EQ(answers.seen[0].text, Wide("Naozaj si prajete vymazať tieto údaje ? Kováč?"));

    // Deleting the last record leaves no box enabled; the window keeps the keyboard focus.
    SetFocus(driver.Box("txtName"));
    answers.Push({ModalAnswer::Button, IDYES, {}});
    driver.ClickLabel("Label11");
    test::PumpMessages();
    EXPECT_EQ(Position(), L"No Records");
    EXPECT_EQ(GetFocus(), form->hwnd());
}

TEST_F(EditorPathTest, SearchFocusesTheMatchingBoxOrSaysItFoundNothing) {
    folder.Write(L"Skuska.dat", "3,3\r\n\"" + Cp("Novák") + "\"\r\n\"\"\r\n\"\"\r\n\"B\"\r\n\"" + Cp("heslo Ľubica") +
                                    "\"\r\n\"\"\r\n\"C\"\r\n\"\"\r\n\"\"\r\n");
    Open();
    const EditorDriver driver = Driver();
    answers.Push({ModalAnswer::SearchEnter, 0, L"ľUB"});
    driver.ClickLabel("Label12");
    test::PumpMessages();
    EXPECT_EQ(Position(), L"Record 2 of 3");
    EXPECT_EQ(GetFocus(), driver.Box("txtMemo"));
    ASSERT_EQ(answers.seen.size(), 1u);   // frmSearch: 6000 x 1800 twips, centred, modal
    const RECT dialog = answers.seen[0].frame;
    EXPECT_EQ(dialog.right - dialog.left, 400);
    EXPECT_EQ(dialog.bottom - dialog.top, 120);
    EXPECT_EQ(dialog.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
    EXPECT_EQ(dialog.top, (GetSystemMetrics(SM_CYSCREEN) - 120) / 2);
    EXPECT_FALSE(answers.seen[0].ownerEnabled);

    answers.Push({ModalAnswer::SearchConfirmButton, 0, L"NOVÁK"});
    driver.ClickLabel("Label12");
    test::PumpMessages();
    EXPECT_EQ(Position(), L"Record 1 of 3");
    EXPECT_EQ(GetFocus(), driver.Box("txtName"));

    answers.Push({ModalAnswer::SearchEnter, 0, L"lub"});   // no diacritic: Ľubica is not found
    answers.Push({ModalAnswer::Button, IDOK, {}});
    driver.ClickLabel("Label12");
    for (ModalAnswer::Kind closing : {ModalAnswer::SearchEscape, ModalAnswer::SearchKoniec}) {
        answers.Push({closing, 0, L"C"});
        driver.ClickLabel("Label12");
    }
    test::PumpMessages();
    EXPECT_EQ(Position(), L"Record 1 of 3");
    ASSERT_EQ(answers.seen.size(), 6u);
    EXPECT_EQ(answers.seen[3].text, L"Tento údaj nebol nájdený 'lub'.");
    EXPECT_EQ(answers.seen[3].title, Wide("Skúška"));
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

TEST_F(EditorPathTest, ALoadErrorIsShownOverTheOpenWindowWhichStaysUsable) {
    folder.Write(L"Skuska.dat", "2,1\r\n\"A\"\r\n\"\"\r\n");   // the file ends inside record 1
    answers.Push({ModalAnswer::Button, IDOK, {}});
    Open();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(answers.seen[0].ownerVisible);
    EXPECT_EQ(answers.seen[0].title, Wide("Skúška"));
    EXPECT_FALSE(answers.seen[0].text.empty());
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
    EXPECT_EQ(Position(), L"Record 1 of 2");
    Driver().ClickLabel("Label10");
    EXPECT_EQ(Position(), L"Record 3 of 3");
}

}  // namespace
}  // namespace papyrka
