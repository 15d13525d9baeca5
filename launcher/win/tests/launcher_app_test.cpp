// The program icon in the .exe and in the tray, the captions, then the whole launcher in this process.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/suite.h"
#include "win32/artwork.h"
#include "launcher/win/form1.h"
#include "win32/gdi.h"
#include "launcher/win/launch_designer.h"
#include "launcher/win/program_icon.h"
#include "icon/pictograms.h"
#include "launcher/win/tray_icon.h"
#include "testing/win/label_fit.h"
#include "testing/win/menu_driver.h"
#include "testing/win/print_failure.h"

namespace papyrka::launcher {
namespace {

bool quitSeen = false;   // a WM_QUIT went by in PumpUntil since the last reset

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (MSG msg;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            quitSeen |= msg.message == WM_QUIT;
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Changing nothing succeeds only while the shell knows the icon.
bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW probe{NOTIFYICONDATAW_V1_SIZE, window};
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

// Item `item` of the tray menu (separators not counted; -1 dismisses it), chosen by keyboard.
bool ChooseFromTray(HWND window, int item) {
    return test::ChooseFromPopUp([&] { EXPECT_EQ(SendMessageW(window, TrayMessage, 0, WM_RBUTTONUP), 0); }, item);
}

std::filesystem::path TestFolder() {
    wchar_t self[MAX_PATH];
    return std::filesystem::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH))).parent_path();
}

// As Windows picks the .exe's icon for each size, and as the tray gets it: the drawn figure, opaque.
TEST(ProgramIcon, TheExeAndTheTrayShowTheFigureAtBothSizes) {
    const HMODULE exe = LoadLibraryExW((TestFolder() / PAPYRKA_PROGRAM_FROM_TESTS).c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr) << "error " << GetLastError();
    for (int size : {32, 16}) {
        const icon::IconImage image = icon::DrawPictogram(*icon::FindPictogram("Papyrka"), size);
        const Icon fromExe(static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0)));
        const Icon forTray = MakeProgramIcon(size);
        for (HICON icon : {fromExe.get(), forTray.get()}) {
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

TEST(WindowLabels, EveryCaptionOfTheLauncherAndTheAboutWindowLiesWholeInItsBox) {
    win::LabelSet launcher, about;
    for (const WindowLabel& row : kLauncherLabels) launcher.Add(PictureWindow::SpecOf(row));
    for (const WindowLabel& row : kAboutLabels) about.Add(PictureWindow::SpecOf(row));
    test::ExpectEveryCaptionFits(launcher, "Form2");
    test::ExpectEveryCaptionFits(about, "Form3");
}

POINT Centre(const PictureWindow& form, const char* label) {
    const RECT r = form.Labels().PixelRect(form.Mapping(), form.Labels().Find(label));
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
void MoveMouse(const PictureWindow& form, POINT at) { SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }
void Click(const PictureWindow& form, const char* label) {
    const POINT at = Centre(form, label);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

int Painted(const PictureWindow& form, const char* label, COLORREF colour) {
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT r = form.Labels().PixelRect(form.Mapping(), form.Labels().Find(label));
    const win::WindowDc dc(form.hwnd());
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += GetPixel(dc.get(), x, y) == colour;
    return count;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        quitSeen = false;
        ASSERT_TRUE(form1_.Load());
        ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    }

    void Menu(std::string_view name) { SendMessageW(form1_.hwnd(), WM_COMMAND, TrayCommandId(TrayMenuPosition(name)), 0); }
    bool MainMenuGreyed() const {
        return GetMenuState(form1_.mnuTray(), TrayCommandId(TrayMenuPosition("hlavnemenu")), MF_BYCOMMAND) & MF_GRAYED;
    }
    Form2& Launcher() { return *form1_.OpenLauncherWindow(); }

    Form1 form1_;
};

TEST_F(LauncherTest, TheTrayIconComesAfterTheSubclassAndGoesBeforeItsMenuOwnerIsForeground) {
    const HWND tray = form1_.hwnd();
    EXPECT_EQ(GetWindowLongPtrW(tray, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TrayWindowProc));
    EXPECT_TRUE(TrayIconExists(tray));
    EXPECT_TRUE(ChooseFromTray(tray, -1));
    EXPECT_EQ(test::ForegroundAtLastMenu(), tray) << "its owner came to the foreground first";
    bool emptyMessage = false;
    for (MSG msg; PeekMessageW(&msg, tray, 0, 0, PM_REMOVE);) emptyMessage |= msg.message == WM_NULL;
    EXPECT_TRUE(emptyMessage) << "posted to the owner after the menu";
    ShowWindow(tray, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(IsIconic(tray));
    SendMessageW(tray, TrayMessage, 0, WM_LBUTTONUP);
    EXPECT_FALSE(IsIconic(tray)) << "a left release restores a minimised tray window";

    EXPECT_TRUE(TrayIconRemove());
    EXPECT_FALSE(TrayIconExists(tray));
    EXPECT_EQ(GetWindowLongPtrW(tray, GWLP_WNDPROC), GetClassLongPtrW(tray, GCLP_WNDPROC)) << "its own procedure back";
}

TEST_F(LauncherTest, MainMenuIsGreyWhileTheLauncherWindowIsOpenWhoseButtonsTurnGreenUntilTheBackground) {
    EXPECT_TRUE(MainMenuGreyed());
    MoveMouse(Launcher(), Centre(Launcher(), "Label1"));
    MoveMouse(Launcher(), Centre(Launcher(), "Label2"));   // straight from one button onto the next
    EXPECT_GT(Painted(Launcher(), "Label1", kGreen), 10);
    EXPECT_EQ(Painted(Launcher(), "Label1", kPink), 0);
    MoveMouse(Launcher(), POINT{20, 200});   // the bare gradient
    EXPECT_EQ(Painted(Launcher(), "Label2", kGreen), 0);
    EXPECT_GT(Painted(Launcher(), "Label2", kPink), 10);

    MoveMouse(Launcher(), Centre(Launcher(), "Label1"));
    Click(Launcher(), "Label19");
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_FALSE(MainMenuGreyed());
    EXPECT_TRUE(TrayIconExists(form1_.hwnd())) << "the launcher stays in the tray";
    Menu("hlavnemenu");
    ASSERT_NE(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_TRUE(MainMenuGreyed());
    EXPECT_EQ(Launcher().Labels()[0].colour, kPink) << "built anew, so no label is left green";

    SendMessageW(Launcher().hwnd(), WM_CLOSE, 0, 0);   // closed by the system rather than by its "Koniec"
    EXPECT_EQ(form1_.OpenLauncherWindow(), nullptr);
    EXPECT_FALSE(MainMenuGreyed());
}

TEST_F(LauncherTest, DesignersStartThroughTheShellFromALabelAndFromTheTrayMenu) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / (L"papyrka-spúšťač-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder);
    for (const wchar_t* exe : {L"Kryton.exe", L"Zozuraz.exe"})
        fs::copy_file(TestFolder() / L"launcher_stub.exe", folder / exe, fs::copy_options::overwrite_existing);
    SetLaunchFolderForTests(folder.u16string());
    auto started = [&](const wchar_t* marker) { return PumpUntil([&] { return fs::exists(folder / marker); }, 15000); };

    Click(Launcher(), "Label1");
    EXPECT_TRUE(started(L"Kryton.exe.started"));
    EXPECT_NE(form1_.OpenLauncherWindow(), nullptr) << "the launcher window stays";
    EXPECT_TRUE(ChooseFromTray(form1_.hwnd(), 7));   // Rirudiv, the last designer
    EXPECT_TRUE(started(L"Zozuraz.exe.started"));
    {
        test::MessageBoxCloser boxes;
        EXPECT_TRUE(ChooseFromTray(form1_.hwnd(), 2));   // Vreckar, not in the folder
        EXPECT_TRUE(PumpUntil([&] { return boxes.shown == 1; }, 5000));
        EXPECT_EQ(boxes.title, L"Papyrka");
        EXPECT_NE(boxes.text.find((folder / L"Vreckar.exe").wstring() + L"\u201C"), std::wstring::npos) << boxes.text;
    }
    SetLaunchFolderForTests(u"");
    std::error_code held;   // a stand-in may hold its marker a moment longer
    PumpUntil([&] { return fs::remove_all(folder, held), !held; }, 5000);
}

// "Koniec" of the tray menu, or a close from outside (a task manager's), ends everything.
class LauncherEndTest : public LauncherTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(KoniecOrCloseFromOutside, LauncherEndTest, ::testing::Bool());

TEST_P(LauncherEndTest, ClosesEveryWindowRemovesTheIconAndEndsTheLoop) {
    Menu("oprograme");
    ASSERT_NE(form1_.OpenAboutWindow(), nullptr);
    const HWND tray = form1_.hwnd(), windows[] = {tray, Launcher().hwnd(), form1_.OpenAboutWindow()->hwnd()};
    Menu("oprograme");
    EXPECT_EQ(form1_.OpenAboutWindow()->hwnd(), windows[2]) << "the same about window, not a second one";
    ASSERT_TRUE(TrayIconExists(tray));
    if (GetParam())
        EXPECT_TRUE(ChooseFromTray(tray, 9));
    else
        SendMessageW(tray, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(tray) && quitSeen; }, 5000);
    for (HWND window : windows) EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(TrayIconExists(tray)) << "the icon is gone";
    EXPECT_TRUE(quitSeen) << "the message loop ends";
}

}  // namespace
}  // namespace papyrka::launcher
