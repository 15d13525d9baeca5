// The editor's controls: windowless labels hit and clicked at the window's resolution, a
// window's press that the mouse capture leaves, and text boxes that take only what the record
// file can keep.
#include <gtest/gtest.h>

#include <string>

#include "win32/label_window.h"
#include "win32/labels.h"
#include "win32/text_box.h"

namespace papyrka::win {
namespace {

const DeviceMapping k96{96, 96, 0, 0};

LabelSet ButtonRow() {
    LabelSet labels;
    labels.Add({"Label10", u"Vytvoriť", {1080, 1440, 735, 255}, kPink, Align::Left, true});
    labels.Add({"Label11", u"Vymazať", {2040, 1440, 735, 255}, kPink, Align::Left, true});
    labels.Add({"Label19", u"Koniec", {240, 5520, 5535, 255}, kYellow, Align::Centre, true});
    labels.Add({"Over", u"", {2100, 1500, 300, 100}});   // lies on top of Label11
    return labels;
}

TEST(LabelSet, HitTestUsesTheTwipsRectangleAtTheWindowsResolutionAndTheTopmostLabel) {
    const LabelSet labels = ButtonRow();
    const struct { POINT pixel; DeviceMapping map; int label; } cases[] = {
        {{72, 96}, k96, 0},     // 1080/15, 1440/15: the corner belongs to it
        {{120, 112}, k96, 0},   // last pixel inside
        {{121, 96}, k96, -1},   // the right edge is outside
        {{71, 96}, k96, -1},    {{200, 370}, k96, 2},   {{138, 98}, k96, 1},   {{141, 101}, k96, 3},
        {{108, 144}, {144, 144}, 0},
        {{181, 144}, {144, 144}, 0},   // 1815 twips is 181.5 pixels, rounded up
        {{182, 144}, {144, 144}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(labels.HitTest(c.pixel, c.map), c.label) << c.pixel.x << "," << c.pixel.y;
    EXPECT_EQ(labels.Find("Label19"), 2);
    EXPECT_EQ(labels.Find("Label99"), -1);
}

TEST(LabelSet, AClickIsAPressAndAReleaseOnTheSameLabel) {
    LabelSet labels = ButtonRow();
    labels.Press(1);
    EXPECT_EQ(labels.Release(1), 1);
    EXPECT_EQ(labels.Release(1), -1) << "a release without a press is no click";
    labels.Press(0);
    EXPECT_EQ(labels.Release(1), -1) << "dragging onto another label cancels";
    labels.Press(0);
    EXPECT_EQ(labels.Release(-1), -1);
}

// One button label that counts its clicks.
class CountingWindow final : public LabelWindow {
public:
    CountingWindow() { AddLabel({"Label19", u"Koniec", {240, 240, 1500, 255}, kYellow, Align::Centre, true}); }
    ~CountingWindow() override { Destroy(); }
    int clicks = 0;

private:
    void PaintBackground(HDC) override {}
    void Label_Click(int) override { ++clicks; }
};

TEST(LabelWindow, APressWhoseMouseCaptureIsTakenAwayIsNoClick) {
    const struct { const char* what; bool captureLost; int clicks; } cases[] = {
        {"press and release on the label", false, 1},
        {"the capture taken away in between", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CountingWindow window;
        WindowSpec spec;
        spec.className = L"PapyrkaLabelWindowTest";
        spec.style = WS_POPUP | WS_VISIBLE;
        spec.width = spec.height = 200;
        ASSERT_TRUE(window.Create(spec));
        const RECT label = window.Labels().PixelRect(window.Mapping(), 0);
        const LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
        SendMessageW(window.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ASSERT_EQ(GetCapture(), window.hwnd());
        if (c.captureLost) ReleaseCapture();
        SendMessageW(window.hwnd(), WM_LBUTTONUP, 0, at);
        EXPECT_EQ(window.clicks, c.clicks);
    }
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Type(HWND box, std::wstring_view text) {
    for (wchar_t ch : text) SendMessageW(box, WM_CHAR, ch, 1);
}

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        single = CreateStorableTextBox(parent, 1, EditStyle{});
        multi = CreateStorableTextBox(parent, 2, EditStyle{true, true, Align::Left, true});
        ASSERT_TRUE(parent && single && multi);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND parent = nullptr, single = nullptr, multi = nullptr;
};

TEST_F(TextBoxTest, TypingAndPastingRefuseQuotesAndWhatWindows1250Lacks) {
    Type(single, L"a\"\u00E1\u4E2D\u20AC\u013D\xD83D\xDE00'\u201E");
    EXPECT_EQ(TextOf(single), L"a\u00E1\u20AC\u013D'\u201E");
    Type(multi, L"riadok\rďalší\t");   // Tab moves on instead of typing
    EXPECT_EQ(TextOf(multi), L"riadok\r\nďalší");

    const std::wstring pasted = L"Ján \"Jano\"\u4E2D\r\nNovák";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), pasted.c_str());
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    ASSERT_TRUE(put);
    SetWindowTextW(single, L"");
    SetWindowTextW(multi, L"");
    SendMessageW(single, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(single), L"Ján Jano");
    SendMessageW(multi, WM_CHAR, 0x16, 1);   // Ctrl+V
    EXPECT_EQ(TextOf(multi), L"Ján Jano\r\nNovák");
}

}  // namespace
}  // namespace papyrka::win
