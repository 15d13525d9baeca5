#include "launcher/win/form2.h"

#include <iterator>

#include "launcher/win/backgrounds.h"
#include "launcher/win/launch_designer.h"

namespace papyrka::launcher {

Form2::Form2(std::function<void()> enableMainMenu)
    : PictureWindow(L"PapyrkaLauncher", L"Papyrka"), enableMainMenu_(std::move(enableMainMenu)) {
    AddLabels(kLauncherLabels);
}

void Form2::DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) {
    DrawLauncherBackground(dc, map, fonts);
}

void Form2::Label_Click(int index) {
    const WindowLabel& label = kLauncherLabels[index];
    if (label.action == LabelAction::StartDesigner) ProgramLabel_Click(label);
    if (label.action == LabelAction::CloseWindow) Label19_Click();
}

void Form2::ProgramLabel_Click(const WindowLabel& label) { LaunchDesigner(label.designerFile); }

void Form2::Label19_Click() {
    if (enableMainMenu_) enableMainMenu_();
    Destroy();
}

void Form2::Label_MouseMove(int index) { SetLabelColour(index, kGreen); }

// Only the background gives the labels their colours back; a move from one label straight
// onto another, or out of the window, leaves the first one green.
void Form2::Form_MouseMove() {
    for (int i = 0; i < static_cast<int>(std::size(kLauncherLabels)); ++i)
        SetLabelColour(i, kLauncherLabels[i].colour);
}

// Closed by the system (Alt+F4) it must give "Hlavné MENU" back too, or the launcher
// window could never be opened again.
void Form2::Form_Close() { Label19_Click(); }

}  // namespace papyrka::launcher
