#include <gtest/gtest.h>

#include <string>

#include "text_box.h"

namespace papyrka::win {
namespace {

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool PutOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool put = false;
    if (memory) {
        auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.c_str(), text.c_str() + text.size() + 1, chars);
        GlobalUnlock(memory);
        put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!put) GlobalFree(memory);
    }
    CloseClipboard();
    return put;
}

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        single = CreateStorableTextBox(parent, 1, EditStyle{});
        multi = CreateStorableTextBox(parent, 2, EditStyle{true, true, Align::Left, true});
        ASSERT_NE(single, nullptr);
        ASSERT_NE(multi, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    static void Type(HWND box, std::wstring_view text) {
        for (wchar_t ch : text) SendMessageW(box, WM_CHAR, ch, 1);
    }

    HWND parent = nullptr, single = nullptr, multi = nullptr;
};

TEST_F(TextBoxTest, TypingRefusesQuotesAndWhatWindows1250Lacks) {
    Type(single, L"a\"\u00E1\u4E2D\u20AC\u013D\xD83D\xDE00'\u201E");
    EXPECT_EQ(TextOf(single), L"a\u00E1\u20AC\u013D'\u201E");
    Type(multi, L"riadok\rďalší\t");
    EXPECT_EQ(TextOf(multi), L"riadok\r\nďalší");
}

TEST_F(TextBoxTest, PastingDropsWhatCannotBeStored) {
    ASSERT_TRUE(PutOnClipboard(L"Ján \"Jano\"\u4E2D\r\nNovák"));
    SendMessageW(single, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(single), L"Ján Jano");
    SendMessageW(multi, WM_CHAR, 0x16, 1);   // Ctrl+V
    EXPECT_EQ(TextOf(multi), L"Ján Jano\r\nNovák");
}

TEST_F(TextBoxTest, TabMovesOnInsteadOfTyping) {
    SetFocus(single);
    SendMessageW(single, WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), multi);
    SendMessageW(multi, WM_KEYDOWN, VK_TAB, 1);
    SendMessageW(multi, WM_CHAR, L'\t', 1);
    EXPECT_EQ(GetFocus(), single);
    EXPECT_EQ(TextOf(multi), L"");
}

}  // namespace
}  // namespace papyrka::win
