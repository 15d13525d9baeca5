// TrayIconAdd, TrayTipSet, TrayIconRemove and TrayWindowProc on a window whose own procedure
// is a recorder, so that every message handed on can be seen with its parameters.
#include "tray_icon.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "program_icon.h"
#include "test_support.h"
#include "tray_menu_win.h"

namespace papyrka::launcher {
namespace {

struct Call {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Call> calls;

// Private messages answer with a value of their own, so that a result handed back unchanged
// can be told from one that TrayWindowProc made up.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    calls.push_back({window, message, wParam, lParam});
    if (message >= WM_USER) return static_cast<LRESULT>(0x5A5A0000 + message + lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        icon_ = MakeProgramIcon(16);
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = &RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hIconSm = icon_.get();
        wc.lpszClassName = L"RecordingTrayWindow";
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"RecordingTrayWindow", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        menu_ = BuildTrayMenu();
        ASSERT_TRUE(menu_);
        ASSERT_TRUE(TrayIconAdd(window_, menu_.get(), lastState_));
        calls.clear();
    }
    void TearDown() override {
        TrayIconRemove();
        DestroyWindow(window_);
        UnregisterClassW(L"RecordingTrayWindow", GetModuleHandleW(nullptr));
    }

    Icon icon_;
    HWND window_ = nullptr;
    PopupMenu menu_;
    std::int16_t lastState_ = 0;
};

TEST_F(TrayIconTest, AddsTheIconWithItsTipAndRemovesItBeforeUndoingTheSubclass) {
    EXPECT_EQ(TrayIconData.cbSize, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(TrayIconData.hWnd, window_);
    EXPECT_EQ(TrayIconData.uID, 0u);
    EXPECT_EQ(TrayIconData.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(TrayIconData.uCallbackMessage, 2025u);
    EXPECT_EQ(TrayIconData.hIcon, icon_.get()) << "the window's own small icon";
    EXPECT_EQ(PreviousWindowProc, &RecordingProc);
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TrayWindowProc));
    EXPECT_TRUE(testing::TrayIconExists(window_));

    EXPECT_TRUE(TrayTipSet(u"Papyrka 1.00"));
    EXPECT_EQ(TrayIconData.uFlags, static_cast<UINT>(NIF_TIP));
    EXPECT_STREQ(TrayIconData.szTip, L"Papyrka 1.00");
    for (int i = 13; i < 64; ++i) EXPECT_EQ(TrayIconData.szTip[i], L' ') << i;

    EXPECT_TRUE(TrayIconRemove());
    EXPECT_EQ(TrayIconData.uFlags, 0u);
    EXPECT_FALSE(testing::TrayIconExists(window_));
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
}

TEST_F(TrayIconTest, ButtonReleasesOnTheIconAreConsumed) {
    EXPECT_EQ(SendMessageW(window_, TrayMessage, 0, WM_LBUTTONUP), 0);
    testing::MenuVisit visit;
    EXPECT_EQ(testing::RightClickTrayIcon(window_, {}, &visit), 0);
    EXPECT_TRUE(visit.seen) << "the tray menu popped up";
    EXPECT_EQ(visit.foreground, window_) << "its owner came to the foreground first";
    for (const Call& call : calls) EXPECT_NE(call.message, TrayMessage) << "handed on: " << call.lParam;

    // The empty message after the menu reaches the window's own procedure.
    testing::PumpPending();
    bool nullSeen = false;
    for (const Call& call : calls) nullSeen |= call.message == WM_NULL && call.window == window_;
    EXPECT_TRUE(nullSeen);
}

TEST_F(TrayIconTest, EveryOtherMessageIsHandedOnUnchanged) {
    struct Sent {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Sent table[] = {
        {TrayMessage, 0, WM_MOUSEMOVE},     {TrayMessage, 0, WM_LBUTTONDOWN}, {TrayMessage, 0, WM_LBUTTONDBLCLK},
        {TrayMessage, 0, WM_RBUTTONDOWN},   {TrayMessage, 0, WM_RBUTTONDBLCLK}, {TrayMessage, 0, WM_MBUTTONDOWN},
        {TrayMessage, 0, WM_MBUTTONUP},     {TrayMessage, 7, 0},               {TrayMessage, 0, 0x10202},
        {WM_USER + 1000, 0, WM_RBUTTONUP},  {WM_USER + 1002, 0, WM_LBUTTONUP}, {WM_APP, 3, 4},
    };
    for (const Sent& sent : table) {
        calls.clear();
        const LRESULT result = SendMessageW(window_, sent.message, sent.wParam, sent.lParam);
        ASSERT_EQ(calls.size(), 1u) << sent.message << " " << sent.lParam;
        EXPECT_EQ(calls[0].window, window_);
        EXPECT_EQ(calls[0].message, sent.message);
        EXPECT_EQ(calls[0].wParam, sent.wParam);
        EXPECT_EQ(calls[0].lParam, sent.lParam);
        EXPECT_EQ(result, static_cast<LRESULT>(0x5A5A0000 + sent.message + sent.lParam)) << "result handed back";
    }
    calls.clear();
    wchar_t title[8] = L"x";
    EXPECT_EQ(SendMessageW(window_, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(title)), 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, static_cast<UINT>(WM_GETTEXT));
}

TEST_F(TrayIconTest, LeftReleaseRestoresAMinimisedTrayWindow) {
    ShowWindow(window_, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window_));
    EXPECT_EQ(SendMessageW(window_, TrayMessage, 0, WM_LBUTTONUP), 0);
    EXPECT_FALSE(IsIconic(window_));
    ShowWindow(window_, SW_HIDE);
}

}  // namespace
}  // namespace papyrka::launcher
