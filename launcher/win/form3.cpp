#include "launcher/win/form3.h"

#include "launcher/win/backgrounds.h"
#include "win32/dpi.h"

namespace papyrka::launcher {

Form3::Form3() : PictureWindow(L"PapyrkaAbout", L"O programe") {
    AddLabels(kAboutLabels);
    koniec_ = Labels().Find("Label19");
}

void Form3::DrawBackground(HDC dc, const DeviceMapping& map, win::FontCache& fonts) {
    DrawAboutBackground(dc, map, fonts);
}

int Form3::ImageAt(POINT at) const {
    const RECT picture = win::PixelRect(Mapping(), kAboutPicture);
    return PtInRect(&picture, at) ? 0 : -1;
}

void Form3::Label_Click(int index) {
    if (index == koniec_) Label19_Click();
}

void Form3::Label19_Click() { Destroy(); }

void Form3::Label_MouseMove(int index) {
    if (index == koniec_) SetLabelColour(koniec_, kGreen);
}

void Form3::Form_MouseMove() { SetLabelColour(koniec_, kYellow); }

}  // namespace papyrka::launcher
