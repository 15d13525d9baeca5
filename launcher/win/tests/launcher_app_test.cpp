// The tray icon and its window procedure on a recording window, the program icon in the .exe
// and in the tray, then the whole launcher in this process: Form1 with its icon and menu, the
// launcher and about windows, and real starts of a stand-in designer through the shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/suite.h"
#include "win32/artwork.h"
#include "launcher/win/form1.h"
#include "win32/gdi.h"
#include "launcher/win/launch_designer.h"
#include "launcher/win/program_icon.h"
#include "icon/pictograms.h"
#include "launcher/win/tray_icon.h"
#include "launcher/tray_menu.h"
#include "launcher/win/tray_menu_win.h"
#include "win32/wide.h"

namespace papyrka::launcher {
namespace {

bool quitSeen = false;   // a WM_QUIT went by in PumpUntil since the last reset

// Dispatches messages until `done` holds or `milliseconds` pass; true when it held.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (MSG msg;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            quitSeen |= msg.message == WM_QUIT;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// What a timer on the popup menu's own loop saw: a menu window (#32768), and the foreground
// window at that moment.
bool menuSeen = false;
HWND foregroundAtMenu = nullptr;

// Right-button release on the tray icon of `trayWindow`. While the menu is up, `keys` go to
// it; with no keys it is dismissed with EndMenu. Returns what TrayWindowProc returned.
LRESULT RightClickTrayIcon(HWND trayWindow, std::vector<WPARAM> keys = {}) {
    static std::vector<WPARAM> pending;
    pending = std::move(keys);
    menuSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        const HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        KillTimer(nullptr, id);
        menuSeen = true;
        foregroundAtMenu = GetForegroundWindow();
        if (pending.empty()) EndMenu();
        for (WPARAM key : pending) {
            PostMessageW(menu, WM_KEYDOWN, key, 0);
            PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
        }
    });
    const LRESULT result = SendMessageW(trayWindow, TrayMessage, 0, WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    return result;
}

// Whether the shell still knows the icon of `window`: changing nothing succeeds only then.
bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = window;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

// The folder of the test programs, which also holds the stand-in designer.
std::wstring TestFolder() {
    wchar_t self[MAX_PATH];
    const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    return path.substr(0, path.rfind(L'\\'));
}

using Call = std::tuple<HWND, UINT, WPARAM, LPARAM>;
std::vector<Call> calls;

// Private messages answer with a value of their own, so that a result handed back unchanged
// can be told from one that TrayWindowProc made up.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    calls.push_back({window, message, wParam, lParam});
    if (message >= WM_USER) return static_cast<LRESULT>(0x5A5A0000 + message + lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// The recording window has a small icon only in its class, for the record to fall back on.
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        const WNDCLASSEXW wc{sizeof(wc), 0, &RecordingProc, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr,
                             nullptr, nullptr, kClass, icon_.get()};
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                                  nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(TrayIconAdd(window_, menu_.get(), lastState_));
        calls.clear();
    }
    void TearDown() override {
        TrayIconRemove();
        DestroyWindow(window_);
        UnregisterClassW(kClass, GetModuleHandleW(nullptr));
    }

    static constexpr const wchar_t* kClass = L"RecordingTrayWindow";
    Icon icon_ = MakeProgramIcon(16);
    HWND window_ = nullptr;
    PopupMenu menu_ = BuildTrayMenu();
    std::int16_t lastState_ = 0;
};

TEST_F(TrayIconTest, AddsTheIconAfterSubclassingAndRemovesItBeforeUndoingTheSubclass) {
    EXPECT_EQ(TrayIconData.cbSize, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(TrayIconData.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(TrayIconData.uCallbackMessage, 2025u);
    EXPECT_EQ(TrayIconData.hIcon, icon_.get()) << "the window's own small icon";
    EXPECT_EQ(PreviousWindowProc, &RecordingProc);
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TrayWindowProc));
    EXPECT_TRUE(TrayIconExists(window_));

    EXPECT_TRUE(TrayIconRemove());
    EXPECT_FALSE(TrayIconExists(window_));
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
}

TEST_F(TrayIconTest, ButtonReleasesOnTheIconAreConsumed) {
    EXPECT_EQ(RightClickTrayIcon(window_), 0);
    EXPECT_TRUE(menuSeen) << "the tray menu popped up";
    EXPECT_EQ(foregroundAtMenu, window_) << "its owner came to the foreground first";
    PumpUntil([] { return true; });
    EXPECT_GE(std::count(calls.begin(), calls.end(), Call{window_, WM_NULL, 0, 0}), 1)
        << "the empty message after the menu reaches the window's own procedure";

    ShowWindow(window_, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window_));
    EXPECT_EQ(SendMessageW(window_, TrayMessage, 0, WM_LBUTTONUP), 0);
    EXPECT_FALSE(IsIconic(window_)) << "a left release restores a minimised tray window";
    ShowWindow(window_, SW_HIDE);
    for (const Call& call : calls) EXPECT_NE(std::get<1>(call), TrayMessage) << "handed on";
}

TEST_F(TrayIconTest, EveryOtherMessageIsHandedOnUnchanged) {
    const std::tuple<UINT, WPARAM, LPARAM> table[] = {
        {TrayMessage, 0, WM_MOUSEMOVE},     {TrayMessage, 0, WM_LBUTTONDOWN},   {TrayMessage, 0, WM_LBUTTONDBLCLK},
        {TrayMessage, 0, WM_RBUTTONDOWN},   {TrayMessage, 0, WM_RBUTTONDBLCLK}, {TrayMessage, 0, WM_MBUTTONDOWN},
        {TrayMessage, 0, WM_MBUTTONUP},     {TrayMessage, 7, 0},                {TrayMessage, 0, 0x10202},
        {WM_USER + 1000, 0, WM_RBUTTONUP},  {WM_USER + 1002, 0, WM_LBUTTONUP},  {WM_APP, 3, 4},
    };
    for (const auto& [message, wParam, lParam] : table) {
        calls.clear();
        const LRESULT result = SendMessageW(window_, message, wParam, lParam);
        EXPECT_EQ(calls, std::vector<Call>{Call(window_, message, wParam, lParam)});
        EXPECT_EQ(result, static_cast<LRESULT>(0x5A5A0000 + message + lParam)) << "result handed back";
    }
}

// The .exe's icon, as Windows picks it for each size, and the tray's show the same pixels,
// opaque over a white ground.
TEST(ProgramIcon, TheExeAndTheTrayShowTheFigureAtBothSizes) {
    const std::wstring program = TestFolder() + L"\\" PAPYRKA_PROGRAM_FROM_TESTS;
    const HMODULE exe = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr) << "error " << GetLastError();
    for (int size : {32, 16}) {
        const icon::IconImage image = icon::DrawPictogram(*icon::FindPictogram("Papyrka"), size);
        const Icon fromExe(static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0)));
        const Icon forTray = MakeProgramIcon(size);
        for (HICON icon : {fromExe.get(), forTray.get()}) {
            ASSERT_NE(icon, nullptr) << size;
            win::MemoryDc dc(nullptr, size, size);
            PatBlt(dc.get(), 0, 0, size, size, WHITENESS);
            ASSERT_TRUE(DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const icon::PaletteColour c = icon::kIconPalette[image.at(x, y)];
                    ASSERT_EQ(GetPixel(dc.get(), x, y), RGB(c.red, c.green, c.blue)) << size << ": " << x << "," << y;
                }
        }
    }
    FreeLibrary(exe);
}

// A folder outside the system code page with the stand-in under each started designer's name.
std::wstring designerFolder;
constexpr std::u16string_view kDesigners[] = {u"\\Kryton.exe", u"\\Zozuraz.exe"};
std::wstring DesignerFile(std::u16string_view name) { return designerFolder + std::wstring(name.begin(), name.end()); }

// Waits for the stand-in started as `exe` ("\Kryton.exe") to leave its marker, and removes
// the marker for the next start.
bool Started(std::u16string_view exe) {
    const std::wstring marker = DesignerFile(exe) + L".started";
    const bool seen = PumpUntil([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
    // The stand-in may still hold the file for a moment after it appears.
    PumpUntil([&] { return DeleteFileW(marker.c_str()) != FALSE; }, 5000);
    return seen;
}

POINT Centre(const PictureWindow& form, std::string_view label) {
    const RECT r = form.Labels().PixelRect(form.Mapping(), form.Labels().Find(label));
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
COLORREF Colour(const PictureWindow& form, std::string_view label) { return form.Labels()[form.Labels().Find(label)].colour; }
void MoveMouse(const PictureWindow& form, POINT at) { SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }
void Click(const PictureWindow& form, std::string_view label) {
    const POINT at = Centre(form, label);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// Whether `upper` lies above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

const COLORREF kHover = RGB(0, 255, 0), kProgramPink = RGB(255, 192, 255), kKoniecYellow = RGB(255, 255, 0);

class LauncherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        designerFolder = std::wstring(temp) + L"papyrka-spúšťač-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(designerFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        const std::wstring stub = TestFolder() + L"\\launcher_stub.exe";
        for (auto name : kDesigners) ASSERT_TRUE(CopyFileW(stub.c_str(), DesignerFile(name).c_str(), FALSE));
        SetLaunchFolderForTests(std::u16string(designerFolder.begin(), designerFolder.end()));
    }
    static void TearDownTestSuite() {
        SetLaunchFolderForTests(u"");
        for (auto name : kDesigners) DeleteFileW(DesignerFile(name).c_str());
        RemoveDirectoryW(designerFolder.c_str());
    }
    void SetUp() override {
        quitSeen = false;
        ASSERT_TRUE(form1_.Load());
        tray_ = form1_.hwnd();
        ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    }
    void TearDown() override { PumpUntil([] { return true; }); }

    static unsigned Command(std::string_view name) { return TrayCommandId(TrayMenuPosition(name)); }
    void Menu(std::string_view name) { SendMessageW(tray_, WM_COMMAND, Command(name), 0); }
    bool Greyed(std::string_view name) const {
        return GetMenuState(form1_.mnuTray(), Command(name), MF_BYCOMMAND) & MF_GRAYED;
    }
    Form2& Launcher() { return *form1_.OpenLauncherWindow(); }

    Form1 form1_;
    HWND tray_ = nullptr;
};

TEST_F(LauncherTest, StartsWithTheIconAndItsTipAHiddenTrayWindowAndTheLauncherWindowCentred) {
    EXPECT_TRUE(TrayIconExists(tray_));
    EXPECT_EQ(TrayIconData.uFlags, static_cast<UINT>(NIF_TIP)) << "the tip is set on its own";
    EXPECT_EQ(win::Utf16(std::wstring(TrayIconData.szTip)), kSuiteTitle);
    EXPECT_NE(TrayIconData.hIcon, nullptr);
    EXPECT_EQ(TrayIconData.hIcon, reinterpret_cast<HICON>(SendMessageW(tray_, WM_GETICON, ICON_SMALL, 0)));
    EXPECT_FALSE(IsWindowVisible(tray_));

    const HWND window = Launcher().hwnd();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0) << "borderless";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
    RECT client{}, frame{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_EQ(client.right, Launcher().Mapping().W(6000));
    EXPECT_EQ(client.bottom, Launcher().Mapping().H(6000));
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(LauncherTest, TrayMenuHasItsItemsCaptionsSeparatorsAndStartingStatesInOrder) {
    const HMENU menu = form1_.mnuTray();
    ASSERT_EQ(GetMenuItemCount(menu), kTrayMenuSize);
    const wchar_t* captions[] = {L"Hlavné MENU", L"", L"Kryton", L"Vreckar", L"Radirir", L"Kuvertex",
                                 L"Davavazo", L"Vevuvez", L"Rirudiv", L"", L"O programe", L"Koniec"};
    for (UINT i = 0; i < static_cast<UINT>(kTrayMenuSize); ++i) {
        wchar_t caption[32] = {};
        GetMenuStringW(menu, i, caption, 32, MF_BYPOSITION);
        EXPECT_STREQ(caption, captions[i]) << i;
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        const bool separator = i == 1 || i == 9;
        EXPECT_EQ((state & MF_SEPARATOR) != 0, separator) << i;
        if (separator) continue;
        EXPECT_EQ((state & MF_GRAYED) != 0, i == 0) << i;
        EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(i)), TrayCommandId(static_cast<int>(i))) << i;
    }
}

TEST_F(LauncherTest, MainMenuItemIsGreyWhileTheLauncherWindowIsOpen) {
    EXPECT_TRUE(Greyed("hlavnemenu"));
    // A label left green must come back in its resting colour when the window is built anew.
    MoveMouse(Launcher(), Centre(Launcher(), "Label1"));
    ASSERT_EQ(Colour(Launcher(), "Label1"), kHover);

    Click(Launcher(), "Label19");
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_EQ(FindWindowW(L"PapyrkaLauncher", nullptr), nullptr);
    EXPECT_FALSE(Greyed("hlavnemenu"));
    EXPECT_TRUE(TrayIconExists(tray_)) << "the launcher stays in the tray";

    Menu("hlavnemenu");
    ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Launcher().hwnd()));
    EXPECT_TRUE(Greyed("hlavnemenu"));
    EXPECT_EQ(Colour(Launcher(), "Label1"), kProgramPink);

    // Closed by the system rather than by its "Koniec", it still gives the item back.
    SendMessageW(Launcher().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_FALSE(Greyed("hlavnemenu"));
}

TEST_F(LauncherTest, ButtonLabelsTurnGreenUntilTheBackgroundIsReachedAndShowTheHand) {
    Form2& launcher = Launcher();
    for (const char* label : {"Label1", "Label2", "Label19"}) MoveMouse(launcher, Centre(launcher, label));
    for (const char* label : {"Label1", "Label2", "Label19"}) EXPECT_EQ(Colour(launcher, label), kHover) << label;
    EXPECT_EQ(Colour(launcher, "Label3"), kProgramPink);
    MoveMouse(launcher, POINT{20, 200});   // the bare gradient
    for (const WindowLabel& label : kLauncherLabels)
        EXPECT_EQ(Colour(launcher, label.name), label.name == "Label19" ? kKoniecYellow : kProgramPink) << label.name;

    auto cursorAt = [&](POINT at) {
        ClientToScreen(launcher.hwnd(), &at);
        SetCursorPos(at.x, at.y);
        SendMessageW(launcher.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(launcher.hwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(Centre(launcher, "Label4")), win::HandCursor());
    EXPECT_EQ(cursorAt(Centre(launcher, "Label19")), win::HandCursor());
    EXPECT_NE(cursorAt(POINT{20, 200}), win::HandCursor());
}

TEST_F(LauncherTest, AboutWindowOpensOnceAndComesForwardWhenAskedAgain) {
    Menu("oprograme");
    Form3* about = form1_.OpenAboutWindow();
    ASSERT_NE(about, nullptr);
    const HWND aboutWindow = about->hwnd();
    EXPECT_TRUE(IsWindowVisible(aboutWindow));
    EXPECT_FALSE(Greyed("oprograme"));

    SetWindowPos(Launcher().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(IsAbove(Launcher().hwnd(), aboutWindow));
    Menu("oprograme");
    EXPECT_EQ(form1_.OpenAboutWindow(), about);
    EXPECT_EQ(about->hwnd(), aboutWindow) << "the same window, not a second copy";
    EXPECT_TRUE(IsAbove(aboutWindow, Launcher().hwnd()));

    // Its "Koniec" hovers like the launcher's; captions and the picture are not background.
    for (const char* label : {"Label19", "Label14"}) MoveMouse(*about, Centre(*about, label));
    MoveMouse(*about, POINT{40, 150});   // Image1
    EXPECT_EQ(Colour(*about, "Label19"), kHover);
    MoveMouse(*about, POINT{300, 300});
    EXPECT_EQ(Colour(*about, "Label19"), kKoniecYellow);

    Click(*about, "Label19");
    EXPECT_EQ(form1_.OpenAboutWindow(), nullptr);
    EXPECT_NE(form1_.OpenLauncherWindow(), nullptr) << "the launcher window stays";
}

TEST_F(LauncherTest, DesignersStartFromTheLabelsEveryTimeAndFromTheTrayMenu) {
    // A second click asks the shell again; Rirudiv starts Zozuraz.
    const std::pair<const char*, std::u16string_view> table[] = {
        {"Label1", u"\\Kryton.exe"}, {"Label1", u"\\Kryton.exe"}, {"Label7", u"\\Zozuraz.exe"}};
    for (const auto& [label, exe] : table) {
        Click(Launcher(), label);
        EXPECT_TRUE(Started(exe)) << label;
    }
    EXPECT_NE(form1_.OpenLauncherWindow(), nullptr) << "the launcher window stays";

    // From nothing, Up selects the last item: Koniec, O programe, then Rirudiv past the line.
    EXPECT_EQ(RightClickTrayIcon(tray_, {VK_UP, VK_UP, VK_UP, VK_RETURN}), 0);
    EXPECT_TRUE(Started(u"\\Zozuraz.exe"));
}

// "Koniec" of the tray menu, or a close from outside (a task manager's), ends everything.
class LauncherEndTest : public LauncherTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(KoniecOrCloseFromOutside, LauncherEndTest, ::testing::Bool());

TEST_P(LauncherEndTest, ClosesEveryWindowRemovesTheIconAndEndsTheLoop) {
    Menu("oprograme");
    ASSERT_NE(form1_.OpenAboutWindow(), nullptr);
    const HWND windows[] = {tray_, Launcher().hwnd(), form1_.OpenAboutWindow()->hwnd()};
    if (GetParam())
        EXPECT_EQ(RightClickTrayIcon(tray_, {VK_UP, VK_RETURN}), 0);
    else
        SendMessageW(tray_, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(tray_) && quitSeen; }, 5000);
    for (HWND window : windows) EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(TrayIconExists(tray_)) << "the icon is gone";
    EXPECT_TRUE(quitSeen) << "the message loop ends";
}

}  // namespace
}  // namespace papyrka::launcher
