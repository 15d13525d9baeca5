#pragma once
// Form1, the tray window: hidden for the whole run, it owns the tray icon and the tray menu,
// and opens the launcher window and the about window.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "launcher/win/form2.h"
#include "launcher/win/form3.h"
#include "launcher/win/program_icon.h"
#include "launcher/tray_menu.h"
#include "launcher/win/tray_menu_win.h"
#include "win32/window.h"

namespace papyrka::launcher {

class Form1 : public win::Window {
public:
    Form1() = default;
    ~Form1() override;

    // Creates the hidden window and runs its load step: icon, tip, launcher window.
    bool Load();

    // The window state that a left click on the icon gives back: 0 normal, 2 maximised.
    std::int16_t LastState = 0;

    HMENU mnuTray() const { return mnuTray_.get(); }
    // The launcher and about windows while they are open, else nullptr.
    Form2* OpenLauncherWindow() const { return form2_ && form2_->hwnd() ? form2_.get() : nullptr; }
    Form3* OpenAboutWindow() const { return form3_ && form3_->hwnd() ? form3_.get() : nullptr; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void mnuTray_Click(unsigned commandId);
    void hlavnemenu_Click();
    void Designer_Click(const TrayMenuItem& item);   // kryton ... zozuraz
    void oprograme_Click();
    void mnuTrayClose_Click();

    void ShowLauncherWindow();
    void ShowAboutWindow();
    void EnableMainMenuItem(bool enabled);
    std::int16_t State() const;

    // Declared before the windows that use them, so they go last.
    Icon bigIcon_;
    Icon smallIcon_;
    PopupMenu mnuTray_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};

}  // namespace papyrka::launcher
