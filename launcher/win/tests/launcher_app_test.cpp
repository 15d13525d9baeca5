// The whole launcher in this process: Form1 with its icon and menu, the launcher and about
// windows, and real starts of a stand-in designer through the shell.
#include <gtest/gtest.h>

#include <string>

#include "artwork.h"
#include "form1.h"
#include "launch_designer.h"
#include "test_support.h"
#include "tray_icon.h"
#include "tray_menu.h"

namespace papyrka::launcher {
namespace {

using testing::ClickAt;
using testing::LabelCentre;
using testing::MoveMouse;
using testing::PumpUntil;

// A folder outside the system code page holding the stand-in under every designer's name.
class DesignerFolder : public ::testing::Environment {
public:
    static std::wstring path;

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        path = std::wstring(temp) + L"papyrka-spúšťač-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        const std::wstring stub = TestFolder() + L"\\launcher_stub.exe";
        for (const TrayMenuItem& item : kTrayMenu) {
            if (item.action != TrayAction::StartDesigner) continue;
            const std::wstring target = path + std::wstring(item.designerFile.begin(), item.designerFile.end());
            ASSERT_TRUE(CopyFileW(stub.c_str(), target.c_str(), FALSE)) << GetLastError();
        }
        SetLaunchFolderForTests(std::u16string(path.begin(), path.end()));
    }

    void TearDown() override {
        SetLaunchFolderForTests(u"");
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((path + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }

    static std::wstring TestFolder() {
        wchar_t self[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring folder(self, length);
        return folder.substr(0, folder.rfind(L'\\'));
    }

    static std::wstring Marker(std::wstring_view exe) { return path + L"\\" + std::wstring(exe) + L".started"; }
};
std::wstring DesignerFolder::path;
const auto* const designerFolder = ::testing::AddGlobalTestEnvironment(new DesignerFolder);

bool Exists(const std::wstring& file) { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Waits for the stand-in to leave its marker, and removes it for the next start.
bool Started(std::wstring_view exe) {
    const std::wstring marker = DesignerFolder::Marker(exe);
    const bool seen = PumpUntil([&] { return Exists(marker); }, 15000);
    // The stand-in may still hold the file for a moment after it appears.
    PumpUntil([&] { return DeleteFileW(marker.c_str()) != FALSE; }, 5000);
    return seen;
}

UINT ItemState(HMENU menu, std::string_view name) {
    return GetMenuState(menu, TrayCommandId(TrayMenuPosition(name)), MF_BYCOMMAND);
}

unsigned Command(std::string_view name) { return TrayCommandId(TrayMenuPosition(name)); }

int CountWindows(const wchar_t* className) {
    int count = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExW(nullptr, w, className, nullptr))
        ++count;
    return count;
}

// Whether `upper` lies above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::QuitSeen() = false;
        ASSERT_TRUE(form1_.Load());
        tray_ = form1_.hwnd();
        ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    }
    void TearDown() override { testing::PumpPending(); }

    void Menu(std::string_view name) { SendMessageW(tray_, WM_COMMAND, Command(name), 0); }
    Form2& Launcher() { return *form1_.OpenLauncherWindow(); }

    Form1 form1_;
    HWND tray_ = nullptr;
};

TEST_F(LauncherTest, StartsWithTheIconItsTipAHiddenTrayWindowAndTheLauncherWindowCentred) {
    EXPECT_TRUE(testing::TrayIconExists(tray_));
    EXPECT_STREQ(TrayIconData.szTip, L"Papyrka 1.00");
    EXPECT_EQ(TrayIconData.hIcon, reinterpret_cast<HICON>(SendMessageW(tray_, WM_GETICON, ICON_SMALL, 0)));
    EXPECT_NE(TrayIconData.hIcon, nullptr);
    EXPECT_FALSE(IsWindowVisible(tray_));
    EXPECT_EQ(form1_.LastState, 0);

    for (HWND window : {Launcher().hwnd()}) {
        EXPECT_TRUE(IsWindowVisible(window));
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0) << "borderless";
        EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
        RECT client{}, frame{};
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        const DeviceMapping map = Launcher().Mapping();
        EXPECT_EQ(client.right, map.W(6000));
        EXPECT_EQ(client.bottom, map.H(6000));
        EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    }
}

TEST_F(LauncherTest, TrayMenuHasItsItemsCaptionsSeparatorsAndStartingStatesInOrder) {
    const HMENU menu = form1_.mnuTray();
    ASSERT_EQ(GetMenuItemCount(menu), kTrayMenuSize);
    const wchar_t* captions[] = {L"Hlavné MENU", L"", L"Kryton", L"Vreckar", L"Radirir", L"Kuvertex",
                                 L"Davavazo", L"Vevuvez", L"Rirudiv", L"", L"O programe", L"Koniec"};
    for (int i = 0; i < kTrayMenuSize; ++i) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        EXPECT_EQ(testing::MenuCaption(menu, i), captions[i]) << i;
        EXPECT_EQ((state & MF_SEPARATOR) != 0, i == 1 || i == 9) << i;
        if (!(state & MF_SEPARATOR)) {
            EXPECT_EQ((state & MF_GRAYED) != 0, i == 0) << i;
            EXPECT_EQ(GetMenuItemID(menu, i), TrayCommandId(i)) << i;
        }
    }
}

TEST_F(LauncherTest, MainMenuItemIsGreyWhileTheLauncherWindowIsOpen) {
    const HMENU menu = form1_.mnuTray();
    EXPECT_TRUE(ItemState(menu, "hlavnemenu") & MF_GRAYED);

    // A label left green must come back in its resting colour when the window is built anew.
    MoveMouse(Launcher().hwnd(), LabelCentre(Launcher(), 0));
    ASSERT_EQ(Launcher().labels()[0].colour, RGB(0, 255, 0));

    ClickAt(Launcher().hwnd(), LabelCentre(Launcher(), Launcher().labels().Find("Label19")));
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_EQ(CountWindows(L"PapyrkaLauncher"), 0);
    EXPECT_FALSE(ItemState(menu, "hlavnemenu") & MF_GRAYED);
    EXPECT_TRUE(testing::TrayIconExists(tray_)) << "the launcher stays in the tray";

    Menu("hlavnemenu");
    ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Launcher().hwnd()));
    EXPECT_TRUE(ItemState(menu, "hlavnemenu") & MF_GRAYED);
    EXPECT_EQ(Launcher().labels()[0].colour, RGB(255, 192, 255));

    // Closed by the system rather than by its "Koniec", it still gives the item back.
    SendMessageW(Launcher().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_FALSE(ItemState(menu, "hlavnemenu") & MF_GRAYED);
}

TEST_F(LauncherTest, LabelsTurnGreenUnderTheMouseAndOnlyTheBackgroundRestoresThem) {
    Form2& launcher = Launcher();
    const HWND window = launcher.hwnd();
    const int koniec = launcher.labels().Find("Label19");
    MoveMouse(window, LabelCentre(launcher, 0));
    MoveMouse(window, LabelCentre(launcher, 1));   // straight onto the next label
    MoveMouse(window, LabelCentre(launcher, koniec));
    EXPECT_EQ(launcher.labels()[0].colour, RGB(0, 255, 0));
    EXPECT_EQ(launcher.labels()[1].colour, RGB(0, 255, 0));
    EXPECT_EQ(launcher.labels()[koniec].colour, RGB(0, 255, 0));
    EXPECT_EQ(launcher.labels()[2].colour, RGB(255, 192, 255));

    MoveMouse(window, POINT{20, 200});   // the bare gradient
    for (int i = 0; i < launcher.labels().size(); ++i)
        EXPECT_EQ(launcher.labels()[i].colour, i == koniec ? RGB(255, 255, 0) : RGB(255, 192, 255)) << i;
}

TEST_F(LauncherTest, HandCursorShowsOverClickableLabelsOnly) {
    Form2& launcher = Launcher();
    const HWND window = launcher.hwnd();
    auto cursorAt = [&](POINT at) {
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(LabelCentre(launcher, 3)), win::HandCursor());
    EXPECT_EQ(cursorAt(LabelCentre(launcher, launcher.labels().Find("Label19"))), win::HandCursor());
    EXPECT_NE(cursorAt(POINT{20, 200}), win::HandCursor());
}

TEST_F(LauncherTest, AboutWindowOpensOnceAndComesForwardWhenAskedAgain) {
    Menu("oprograme");
    Form3* about = form1_.OpenAboutWindow();
    ASSERT_NE(about, nullptr);
    const HWND aboutWindow = about->hwnd();
    EXPECT_TRUE(IsWindowVisible(aboutWindow));
    EXPECT_FALSE(ItemState(form1_.mnuTray(), "oprograme") & MF_GRAYED);

    SetWindowPos(Launcher().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(IsAbove(Launcher().hwnd(), aboutWindow));
    Menu("oprograme");
    EXPECT_EQ(form1_.OpenAboutWindow(), about);
    EXPECT_EQ(about->hwnd(), aboutWindow) << "the same window, not a second copy";
    EXPECT_EQ(CountWindows(L"PapyrkaAbout"), 1);
    EXPECT_TRUE(IsAbove(aboutWindow, Launcher().hwnd()));

    // Its "Koniec" hovers like the launcher's; captions and the picture are not background.
    const int koniec = about->labels().Find("Label19");
    MoveMouse(aboutWindow, LabelCentre(*about, koniec));
    MoveMouse(aboutWindow, LabelCentre(*about, about->labels().Find("Label14")));
    MoveMouse(aboutWindow, POINT{40, 150});   // Image1
    EXPECT_EQ(about->labels()[koniec].colour, RGB(0, 255, 0));
    MoveMouse(aboutWindow, POINT{300, 300});
    EXPECT_EQ(about->labels()[koniec].colour, RGB(255, 255, 0));

    ClickAt(aboutWindow, LabelCentre(*about, koniec));
    EXPECT_EQ(form1_.OpenAboutWindow(), nullptr);
    EXPECT_NE(form1_.OpenLauncherWindow(), nullptr) << "the launcher window stays";
}

TEST_F(LauncherTest, ProgramLabelsStartTheirDesignerEveryTimeAndTheWindowStays) {
    Form2& launcher = Launcher();
    ClickAt(launcher.hwnd(), LabelCentre(launcher, launcher.labels().Find("Label1")));
    EXPECT_TRUE(Started(L"Kryton.exe"));
    ClickAt(launcher.hwnd(), LabelCentre(launcher, launcher.labels().Find("Label1")));
    EXPECT_TRUE(Started(L"Kryton.exe")) << "a second click asks the shell again";
    ClickAt(launcher.hwnd(), LabelCentre(launcher, launcher.labels().Find("Label7")));
    EXPECT_TRUE(Started(L"Zozuraz.exe")) << "Rirudiv starts Zozuraz";
    EXPECT_EQ(form1_.OpenLauncherWindow(), &launcher);
}

TEST_F(LauncherTest, TrayMenuStartsADesignerAndItsKoniecEndsEverything) {
    // From nothing, Up selects the last item: Koniec, O programe, then Rirudiv past the line.
    testing::MenuVisit visit;
    EXPECT_EQ(testing::RightClickTrayIcon(tray_, {VK_UP, VK_UP, VK_UP, VK_RETURN}, &visit), 0);
    EXPECT_TRUE(visit.seen);
    EXPECT_TRUE(Started(L"Zozuraz.exe"));

    Menu("oprograme");
    ASSERT_NE(form1_.OpenAboutWindow(), nullptr);
    const HWND launcherWindow = Launcher().hwnd();
    const HWND aboutWindow = form1_.OpenAboutWindow()->hwnd();
    EXPECT_EQ(testing::RightClickTrayIcon(tray_, {VK_UP, VK_RETURN}), 0);
    PumpUntil([&] { return !IsWindow(tray_); }, 5000);
    EXPECT_FALSE(IsWindow(tray_));
    EXPECT_FALSE(IsWindow(launcherWindow));
    EXPECT_FALSE(IsWindow(aboutWindow));
    EXPECT_FALSE(testing::TrayIconExists(tray_)) << "the icon is gone";
    EXPECT_EQ(TrayIconData.uFlags, 0u);
    testing::PumpPending();
    EXPECT_TRUE(testing::QuitSeen()) << "the message loop ends";
}

TEST_F(LauncherTest, ClosingTheTrayWindowFromOutsideEndsLikeKoniec) {
    SendMessageW(tray_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(tray_));
    EXPECT_FALSE(testing::TrayIconExists(tray_));
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    testing::PumpPending();
    EXPECT_TRUE(testing::QuitSeen());
}

}  // namespace
}  // namespace papyrka::launcher
