#include <gtest/gtest.h>

#include <string>

#include "artwork.h"
#include "editor_driver.h"
#include "labels.h"

namespace papyrka {
namespace {

using test::EditorDriver;
using test::ModalAnswer;
using test::ModalAnswers;
using test::TempFolder;
using test::W;

// A small program for the skeleton alone: three visible boxes (one multi-line, tab order
// not the field order) and one field whose box is never shown.
const RecordLayout kLayout{"Skuska.dat",
                           {{"txtName", u"Meno :"}, {"txtMemo", u"Poznámky :"}, {"txtPhone1", u"Telefón :"}, {"txtHidden", u""}}};

EditorFace MakeFace() {
    EditorFace face;
    face.programName = u"Skúška";
    face.titleRect = {5160, 120, 735, 255};
    face.boxes = {
        {"txtName", {2040, 1800, 3015, 285}, kLabelFont, Align::Left, false, false, true, 1},
        {"txtMemo", {2040, 2520, 3015, 525}, kLabelFont, Align::Left, true, true, true, 3},
        {"txtPhone1", {2040, 2160, 3015, 285}, kLabelFont, Align::Left, false, false, true, 2},
        {"txtHidden", {0, 0, 0, 0}, kLabelFont, Align::Left, false, false, false, 0},
    };
    face.captions = {{u"Meno :", {120, 1800, 1800, 255}}, {u"Telefón :", {120, 2160, 1800, 255}}};
    return face;
}
const EditorFace kFace = MakeFace();

int printed = 0;
std::u16string printedName;
void RecordPrint(EditorContext& editor) {
    ++printed;
    printedName = editor.BoxText("txtName");
}

const Designer kDesigner{u"Skúška", kLayout, kFace, &RecordPrint};

class Form3Test : public ::testing::Test {
protected:
    void Open() {
        form = std::make_unique<Form3>(kDesigner, folder.path(), Form3::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    EditorDriver Driver() const { return EditorDriver(*form); }

    TempFolder folder;
    ModalAnswers answers;
    std::unique_ptr<Form3> form;
};

RECT ChildRect(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(Form3Test, WindowIsABorderlessToolWindowOf6000TwipsCentredOnTheScreen) {
    Open();
    HWND window = form->hwnd();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT client{}, frame{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 400) / 2);

    // The user can neither move nor resize it.
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE, 0);
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_TRUE(SameRect(frame, after));
}

TEST_F(Form3Test, LabelsAndBoxesSitAtTheirTwipsDividedBy15) {
    Open();
    const EditorDriver driver = Driver();
    struct Expected {
        const char* name;
        const char16_t* caption;
        RECT pixels;
        COLORREF colour;
    };
    const Expected labels[] = {
        {"Label9", u"MENU >", {16, 96, 65, 113}, win::kYellow},
        {"Label10", u"Vytvoriť", {72, 96, 121, 113}, win::kPink},
        {"Label11", u"Vymazať", {136, 96, 185, 113}, win::kPink},
        {"Label12", u"Vyhľadať", {200, 96, 257, 113}, win::kPink},
        {"Label13", u"Vytlačiť", {272, 96, 321, 113}, win::kPink},
        {"Label14", u"Uložiť", {336, 96, 385, 113}, win::kPink},
        {"Label19", u"Koniec", {16, 368, 385, 385}, win::kYellow},
        {"lblCurrRecord", u"No Records", {8, 344, 385, 361}, win::kYellow},
    };
    for (const Expected& e : labels) {
        SCOPED_TRACE(e.name);
        ASSERT_GE(driver.Label(e.name), 0);
        EXPECT_EQ(driver.Caption(e.name), e.caption);
        EXPECT_EQ(driver.Colour(e.name), e.colour);
        EXPECT_TRUE(SameRect(form->Labels().PixelRect(form->Mapping(), driver.Label(e.name)), e.pixels));
    }
    const RECT title = form->Labels().PixelRect(form->Mapping(), driver.Label("Label17"));
    EXPECT_EQ(title.right, 393);   // 5895 twips
    EXPECT_EQ(form->Labels()[driver.Label("Label17")].colour, win::kWhite);

    EXPECT_TRUE(SameRect(ChildRect(driver.Box("txtName")), RECT{136, 120, 337, 139}));
    EXPECT_TRUE(SameRect(ChildRect(driver.Box("txtPhone1")), RECT{136, 144, 337, 163}));
    EXPECT_TRUE(SameRect(ChildRect(driver.Box("txtMemo")), RECT{136, 168, 337, 203}));
    EXPECT_TRUE(GetWindowLongPtrW(driver.Box("txtMemo"), GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongPtrW(driver.Box("txtName"), GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(IsWindowVisible(driver.Box("txtHidden")));
}

TEST_F(Form3Test, ButtonsTurnGreenUnderTheMouseAndOnlyTheBackgroundRestoresThem) {
    Open();
    const EditorDriver driver = Driver();
    driver.MoveTo(driver.Centre("Label10"));
    EXPECT_EQ(driver.Colour("Label10"), win::kGreen);
    driver.MoveTo(driver.Centre("Label11"));            // straight onto the next button
    driver.MoveTo(driver.Centre("Label19"));
    driver.MoveTo(driver.AtTwips(5400, 1900));          // over Image1
    driver.MoveTo(driver.Centre("Label9"));             // a label without hover
    driver.MoveTo(driver.AtTwips(1000, 1850));          // over a field caption
    for (const char* name : {"Label10", "Label11", "Label19"}) EXPECT_EQ(driver.Colour(name), win::kGreen) << name;
    EXPECT_EQ(driver.Colour("Label12"), win::kPink);
    EXPECT_EQ(driver.Colour("Label9"), win::kYellow);

    driver.MoveTo(driver.AtTwips(3000, 5000));          // bare background
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label14"})
        EXPECT_EQ(driver.Colour(name), win::kPink) << name;
    EXPECT_EQ(driver.Colour("Label19"), win::kYellow);
}

TEST_F(Form3Test, AGreenLabelIsPaintedGreen) {
    Open();
    const EditorDriver driver = Driver();
    auto greenPixels = [&] {
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const RECT r = form->Labels().PixelRect(form->Mapping(), driver.Label("Label14"));
        HDC dc = GetDC(form->hwnd());
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += GetPixel(dc, x, y) == win::kGreen;
        ReleaseDC(form->hwnd(), dc);
        return count;
    };
    EXPECT_EQ(greenPixels(), 0);
    driver.MoveTo(driver.Centre("Label14"));
    EXPECT_GT(greenPixels(), 10);
}

TEST_F(Form3Test, HandCursorOverButtonsAndArrowsOnly) {
    Open();
    const EditorDriver driver = Driver();
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label14", "Label19"})
        EXPECT_EQ(driver.CursorAt(driver.Centre(name)), win::HandCursor()) << name;
    EXPECT_EQ(driver.CursorAt(driver.AtTwips(5400, 1900)), win::HandCursor());   // Image1
    EXPECT_EQ(driver.CursorAt(driver.AtTwips(5400, 2500)), win::HandCursor());   // Image2
    EXPECT_EQ(driver.CursorAt(driver.Centre("Label9")), arrow);
    EXPECT_EQ(driver.CursorAt(driver.Centre("lblCurrRecord")), arrow);
    EXPECT_EQ(driver.CursorAt(driver.AtTwips(3000, 5000)), arrow);
}

TEST_F(Form3Test, AnotherScaleMovesAndSizesEverythingTogether) {
    Open();
    const EditorDriver driver = Driver();
    RECT suggested{100, 50, 900, 850};
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 800);
    EXPECT_TRUE(SameRect(ChildRect(driver.Box("txtName")), RECT{272, 240, 674, 278}));
    EXPECT_TRUE(SameRect(form->Labels().PixelRect(form->Mapping(), driver.Label("Label10")), RECT{144, 192, 242, 226}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(driver.Box("txtName"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -22);   // 8.25 pt at 192 dpi
    driver.MoveTo(driver.Centre("Label13"));
    EXPECT_EQ(driver.Colour("Label13"), win::kGreen);
}

}  // namespace
}  // namespace papyrka
