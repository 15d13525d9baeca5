#pragma once
// Form3, the about window: the program's name and version, a picture and "Koniec".
#include "launcher/win/picture_window.h"

namespace papyrka::launcher {

class Form3 : public PictureWindow {
public:
    Form3();
    ~Form3() override { Destroy(); }

protected:
    void DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) override;
    int ImageAt(POINT at) const override;   // 0: Image1, the picture, which does nothing
    void Label_Click(int index) override;
    void Label_MouseMove(int index) override;
    void Form_MouseMove() override;

private:
    void Label19_Click();

    int koniec_;
};

}  // namespace papyrka::launcher
