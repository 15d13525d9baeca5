// The pictures and texts of both windows at 96 dpi, and the program icon in the .exe and in
// the tray.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backgrounds.h"
#include "fonts.h"
#include "gdi.h"
#include "ico_file.h"
#include "launcher_artwork.h"
#include "program_icon.h"
#include "window_labels.h"

namespace papyrka::launcher {
namespace {

const DeviceMapping k96{96, 96, 0, 0};

class Rendered {
public:
    explicit Rendered(void (*draw)(HDC, const DeviceMapping&, win::FontCache&)) : dc_(nullptr, 400, 400) {
        draw(dc_.get(), k96, fonts_);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    win::MemoryDc dc_;
    win::FontCache fonts_;
};

TEST(Backgrounds, BarsAndOvalsLandOnTheDesignsPixels) {
    const Rendered launcher(&DrawLauncherBackground);
    const Rendered about(&DrawAboutBackground);
    for (const Rendered* picture : {&launcher, &about}) {
        for (int row : {58, 363}) {
            EXPECT_EQ(GetRValue(picture->at(300, row)), GetGValue(picture->at(300, row))) << "grey bar at " << row;
            EXPECT_NE(picture->at(300, row), RGB(0, 0, 0)) << row;
            EXPECT_EQ(picture->at(300, row - 1), RGB(0, 0, 0)) << "above the bar at " << row;
        }
        EXPECT_GT(GetRValue(picture->at(2, 200)), 240) << "bright red at the left edge";
        EXPECT_EQ(picture->at(398, 200), RGB(0, 0, 0)) << "black at the right";
    }
    for (int i = 0; i < kOvalCount; ++i) {
        const int centre = 102 + 40 * i;
        EXPECT_EQ(launcher.at(198, centre), RGB(204, 0, 0)) << "oval " << i;
        EXPECT_EQ(launcher.at(122, centre), RGB(204, 0, 0)) << "left end of oval " << i;
        EXPECT_NE(launcher.at(198, centre - 12), RGB(204, 0, 0)) << "above oval " << i;
        EXPECT_NE(about.at(300, centre), RGB(204, 0, 0)) << "no ovals in the about window";
    }
    // The about picture fills its 89 x 99 pixels and nothing beyond them.
    EXPECT_EQ(about.at(16, 96), RGB(192, 192, 192)) << "frame corner";
    EXPECT_EQ(about.at(16 + 88, 96 + 98), RGB(192, 192, 192)) << "opposite corner";
    EXPECT_NE(about.at(16 + 89, 96 + 50), RGB(192, 192, 192));
}

TEST(WindowLabels, EveryCaptionFitsItsBoxInOneLine) {
    win::FontCache fonts;
    win::WindowDc screen(nullptr);
    win::SelectGuard font(screen.get(), fonts.Get(kLauncherLabelFont, 96));
    auto check = [&](const WindowLabel& label) {
        const std::wstring caption(label.caption.begin(), label.caption.end());
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &size));
        EXPECT_LE(size.cx, k96.W(label.box.width)) << label.name;
        EXPECT_LE(size.cy, k96.H(label.box.height)) << label.name;
    };
    for (const WindowLabel& label : kLauncherLabels) check(label);
    for (const WindowLabel& label : kAboutLabels) check(label);
}

std::wstring ProgramPath() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self, length);
    return folder.substr(0, folder.rfind(L'\\')) + L"\\" PAPYRKA_PROGRAM_FROM_TESTS;
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(ProgramIcon, TheExeCarriesTheSameImagesAsTheTrayIcon) {
    HMODULE exe = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr) << ProgramPath().size() << " error " << GetLastError();
    HRSRC group = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header[2], 2) << "two images";
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 3);
    for (int i = 0; i < 2; ++i) {
        const int size = i == 0 ? 32 : 16;
        EXPECT_EQ(entries[i].width, size);
        EXPECT_EQ(entries[i].colours, 16);
        EXPECT_EQ(entries[i].bitCount, 4);
        HRSRC image = FindResourceW(exe, MAKEINTRESOURCEW(entries[i].id), RT_ICON);
        ASSERT_NE(image, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(exe, image)));
        const std::vector<std::uint8_t> stored(bytes, bytes + SizeofResource(exe, image));
        EXPECT_EQ(stored, IconDib(DrawProgramIcon(size))) << size;
    }
    FreeLibrary(exe);

    for (int size : {32, 16}) {
        Icon icon = MakeProgramIcon(size);
        ASSERT_TRUE(icon);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        win::Bitmap colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.get(), sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
    }
}

}  // namespace
}  // namespace papyrka::launcher
