// Windowless labels hit and clicked, and text boxes that take only what the record file can keep.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win32/label_window.h"
#include "win32/text_box.h"

namespace papyrka::win {
namespace {

class CountingWindow final : public LabelWindow {
public:
    CountingWindow() { AddLabel({"Label19", u"Koniec", {240, 240, 1500, 255}, kYellow, Align::Centre, true}); }
    ~CountingWindow() override { Destroy(); }
    int clicks = 0;

private:
    void PaintBackground(HDC) override {}
    void Label_Click(int) override { ++clicks; }
};

TEST(LabelWindow, AClickIsAPressAndAReleaseOnTheLabelWithTheMouseCapturedThroughout) {
    CountingWindow window;
    WindowSpec spec;
    spec.className = L"PapyrkaLabelWindowTest";
    spec.style = WS_POPUP | WS_VISIBLE;
    spec.width = spec.height = 200;
    ASSERT_TRUE(window.Create(spec));
    const RECT label = window.Labels().PixelRect(window.Mapping(), 0);
    const LPARAM on = MAKELPARAM(label.left + 2, label.top + 2), off = MAKELPARAM(label.left + 2, label.bottom + 5);
    auto press = [&](bool captureLost, LPARAM release) {
        SendMessageW(window.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, on);
        EXPECT_EQ(GetCapture(), window.hwnd());
        if (captureLost) ReleaseCapture();
        SendMessageW(window.hwnd(), WM_LBUTTONUP, 0, release);
    };
    press(false, on);
    EXPECT_EQ(window.clicks, 1);
    press(true, on);
    EXPECT_EQ(window.clicks, 1) << "the capture taken away in between";
    press(false, off);
    SendMessageW(window.hwnd(), WM_LBUTTONUP, 0, on);
    EXPECT_EQ(window.clicks, 1) << "released off the label, then released with no press";
}

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

// The text of the hint a box shows, empty when none is on screen.
std::wstring ShownHint() {
    std::wstring shown;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM out) -> BOOL {
        wchar_t kind[32] = {}, text[256] = {};
        GetClassNameW(window, kind, 32);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        if (lstrcmpiW(kind, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(window) ||
            !SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)))
            return TRUE;
        tool.lpszText = text;
        SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        *reinterpret_cast<std::wstring*>(out) = text;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

TEST(TextBox, TypingAndPastingRefuseQuotesAndWhatWindows1250LacksAndSayWhy) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    const HWND single = CreateStorableTextBox(parent, 1, EditStyle{});
    const HWND multi = CreateStorableTextBox(parent, 2, EditStyle{true, true, Align::Left, true});
    const HWND plain = CreateWindowExW(0, L"EDIT", L"Ján \"Jano\"\u4E2D\r\nNovák", WS_CHILD | ES_MULTILINE, 0, 0, 90, 90,
                                       parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent && single && multi && plain);
    EXPECT_EQ(ShownHint(), L"");
    for (wchar_t ch : std::wstring(L"a\"\u00E1\u4E2D")) SendMessageW(single, WM_CHAR, ch, 1);
    EXPECT_EQ(ShownHint().rfind(L"Znak \u201E\u4E2D\u201C sa do z\u00E1znamu ned\u00E1 ulo\u017Ei\u0165", 0), 0u);
    for (wchar_t ch : std::wstring(L"\u20AC\u013D\xD83D\xDE00'\u201E")) SendMessageW(single, WM_CHAR, ch, 1);
    EXPECT_EQ(TextOf(single), L"a\u00E1\u20AC\u013D'\u201E");
    SendMessageW(single, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(ShownHint(), L"");
    for (wchar_t ch : std::wstring(L"riadok\rďalší\t")) SendMessageW(multi, WM_CHAR, ch, 1);   // Tab moves on
    EXPECT_EQ(TextOf(multi), L"riadok\r\nďalší");

    SendMessageW(plain, EM_SETSEL, 0, -1);
    SendMessageW(plain, WM_COPY, 0, 0);
    SendMessageW(single, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(single), L"a\u00E1\u20AC\u013D'\u201EJán Jano");
    EXPECT_EQ(ShownHint().rfind(L"Znak \" sa", 0), 0u);
    SendMessageW(multi, WM_CHAR, 0x16, 1);   // Ctrl+V
    EXPECT_EQ(TextOf(multi), L"riadok\r\nďalšíJán Jano\r\nNovák");
    DestroyWindow(parent);
}

}  // namespace
}  // namespace papyrka::win
