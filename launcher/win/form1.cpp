#include "launcher/win/form1.h"

#include "launcher/win/launch_designer.h"
#include "launcher/win/tray_icon.h"
#include "base/suite.h"

namespace papyrka::launcher {

Form1::~Form1() {
    // Destroyed here rather than in the base, so that the unload step still runs as Form1.
    Destroy();
}

bool Form1::Load() {
    win::WindowSpec spec;
    spec.className = L"PapyrkaTray";
    spec.title = L"";
    spec.style = WS_POPUP;   // never shown
    spec.exStyle = WS_EX_TOOLWINDOW;
    mnuTray_ = BuildTrayMenu();
    if (!Create(spec)) return false;
    bigIcon_ = MakeProgramIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = MakeProgramIcon(GetSystemMetrics(SM_CXSMICON));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    Form_Load();
    return true;
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) mnuTray_Click(LOWORD(wParam));
        return 0;
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_CLOSE:
        // Closed from outside (a task manager's polite close): end as "Koniec" does, so the
        // icon does not stay behind.
        mnuTrayClose_Click();
        return 0;
    case WM_DESTROY:
        Form_Unload();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

std::int16_t Form1::State() const {
    if (IsIconic(hwnd())) return 1;
    if (IsZoomed(hwnd())) return 2;
    return 0;
}

void Form1::Form_Load() {
    const std::int16_t state = State();
    LastState = state == 1 ? 0 : state;
    // A failed icon is not reported: the launcher window still opens and works.
    TrayIconAdd(hwnd(), mnuTray_.get(), LastState);
    TrayTipSet(kSuiteTitle);
    ShowLauncherWindow();
}

void Form1::Form_Resize() {
    const std::int16_t state = State();
    if (state != 1) LastState = state;
}

void Form1::Form_Unload() { TrayIconRemove(); }

void Form1::mnuTray_Click(unsigned commandId) {
    const TrayMenuItem* item = TrayMenuItemFor(commandId);
    if (!item) return;
    switch (item->action) {
    case TrayAction::OpenLauncher:
        hlavnemenu_Click();
        break;
    case TrayAction::StartDesigner:
        Designer_Click(*item);
        break;
    case TrayAction::OpenAbout:
        oprograme_Click();
        break;
    case TrayAction::Close:
        mnuTrayClose_Click();
        break;
    case TrayAction::None:
        break;
    }
}

void Form1::hlavnemenu_Click() {
    EnableMainMenuItem(false);
    ShowLauncherWindow();
}

void Form1::Designer_Click(const TrayMenuItem& item) { LaunchDesigner(item.designerFile); }

void Form1::oprograme_Click() { ShowAboutWindow(); }

void Form1::mnuTrayClose_Click() {
    Destroy();   // the unload step deletes the icon and undoes the subclass first
    if (form2_) form2_->Destroy();
    if (form3_) form3_->Destroy();
    PostQuitMessage(0);
}

// A closed window is built anew, so its labels start in their resting colours.
void Form1::ShowLauncherWindow() {
    if (!OpenLauncherWindow()) form2_ = std::make_unique<Form2>([this] { EnableMainMenuItem(true); });
    // A window that could not be made must not leave "Hlavné MENU" greyed for good.
    if (!form2_->Open()) EnableMainMenuItem(true);
}

void Form1::ShowAboutWindow() {
    if (!OpenAboutWindow()) form3_ = std::make_unique<Form3>();
    form3_->Open();
}

void Form1::EnableMainMenuItem(bool enabled) {
    EnableMenuItem(mnuTray_.get(), TrayCommandId(TrayMenuPosition("hlavnemenu")),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace papyrka::launcher
