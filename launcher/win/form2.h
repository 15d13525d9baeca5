#pragma once
// Form2, the launcher window: seven program names on red ovals and "Koniec".
#include <functional>

#include "launcher/win/picture_window.h"

namespace papyrka::launcher {

class Form2 : public PictureWindow {
public:
    // enableMainMenu gives "Hlavné MENU" of the tray menu back when this window closes.
    explicit Form2(std::function<void()> enableMainMenu);
    ~Form2() override { Destroy(); }

protected:
    void DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) override;
    void Label_Click(int index) override;
    void Label_MouseMove(int index) override;
    void Form_MouseMove() override;
    void Form_Close() override;

private:
    void ProgramLabel_Click(const WindowLabel& label);   // Label1_Click ... Label7_Click
    void Label19_Click();

    std::function<void()> enableMainMenu_;
};

}  // namespace papyrka::launcher
