// The tray menu and the two windows' tables against each other and against the pixels of
// the 400 x 400 design: a slip in one row shows up as a mismatch here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher_artwork.h"
#include "tray_menu.h"
#include "window_labels.h"

namespace papyrka::launcher {
namespace {

const DeviceMapping k96{96, 96, 0, 0};

TEST(TrayMenu, ProgramItemsMatchTheLauncherWindowsLabelsInOrder) {
    std::vector<const TrayMenuItem*> programs;
    for (const TrayMenuItem& item : kTrayMenu)
        if (item.action == TrayAction::StartDesigner) programs.push_back(&item);
    ASSERT_EQ(programs.size(), 7u);
    for (size_t i = 0; i < programs.size(); ++i) {
        const WindowLabel& label = kLauncherLabels[i];
        EXPECT_EQ(label.action, LabelAction::StartDesigner);
        EXPECT_EQ(programs[i]->caption, label.caption) << label.name;
        EXPECT_EQ(programs[i]->designerFile, label.designerFile) << label.name;
    }
    // The one caption that differs from its program's file name.
    EXPECT_EQ(kTrayMenu[TrayMenuPosition("zozuraz")].caption, u"Rirudiv");
    EXPECT_EQ(kTrayMenu[TrayMenuPosition("zozuraz")].designerFile, u"\\Zozuraz.exe");
}

TEST(TrayMenu, CommandIdentifiersLeadBackToTheirItemsAndSkipSeparators) {
    for (int i = 0; i < kTrayMenuSize; ++i) {
        const TrayMenuItem* item = TrayMenuItemFor(TrayCommandId(i));
        if (kTrayMenu[i].separator()) {
            EXPECT_EQ(item, nullptr) << i;
            EXPECT_EQ(kTrayMenu[i].action, TrayAction::None);
        } else {
            EXPECT_EQ(item, &kTrayMenu[i]) << i;
            EXPECT_EQ(TrayMenuPosition(kTrayMenu[i].name), i);
        }
    }
    EXPECT_EQ(TrayMenuItemFor(0), nullptr) << "0 is what a dismissed menu returns";
    EXPECT_EQ(TrayMenuItemFor(kFirstTrayCommand - 1), nullptr);
    EXPECT_EQ(TrayMenuItemFor(TrayCommandId(kTrayMenuSize)), nullptr);
    EXPECT_EQ(TrayMenuPosition(""), -1);
    EXPECT_EQ(TrayMenuPosition("hlavnemenu"), 0);
}

TEST(LauncherArtwork, BarsAndOvalsSitOnTheDesignsPixelRowsAt96Dpi) {
    EXPECT_EQ(k96.Y(kTitleBar.top), 58);
    EXPECT_EQ(k96.Y(kBottomBar.top), 363);
    for (int i = 0; i < kOvalCount; ++i) {
        const TwipsRect oval = OvalButton(i);
        EXPECT_EQ(k96.X(oval.left), 121);
        EXPECT_EQ(k96.X(oval.right()) - 1, 275) << "last column";
        EXPECT_EQ(k96.H(oval.height), 21);
        EXPECT_EQ(k96.Y(oval.top) + 10, 102 + 40 * i) << "centre row";
    }
}

bool Overlap(TwipsRect a, TwipsRect b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(LauncherArtwork, EveryProgramLabelLiesOnItsOwnOvalAndNoLabelOnABar) {
    for (int i = 0; i < kOvalCount; ++i) {
        const TwipsRect label = kLauncherLabels[i].box;
        const TwipsRect oval = OvalButton(i);
        EXPECT_GE(label.left, oval.left);
        EXPECT_LE(label.right(), oval.right());
        const int labelMiddle = label.top + label.height / 2;
        EXPECT_GT(labelMiddle, oval.top) << kLauncherLabels[i].name;
        EXPECT_LT(labelMiddle, oval.bottom()) << kLauncherLabels[i].name;
    }
    for (const WindowLabel& label : kLauncherLabels) {
        EXPECT_FALSE(Overlap(label.box, kTitleBar)) << label.name;
        EXPECT_FALSE(Overlap(label.box, kBottomBar)) << label.name;
    }
    for (const WindowLabel& label : kAboutLabels) {
        EXPECT_FALSE(Overlap(label.box, kTitleBar)) << label.name;
        EXPECT_FALSE(Overlap(label.box, kBottomBar)) << label.name;
        EXPECT_FALSE(Overlap(label.box, kAboutPicture)) << label.name;
    }
}

TEST(WindowLabels, EveryBoxIsWholePixelsInsideTheWindowAndOnlyButtonsAreClickable) {
    auto check = [](const WindowLabel& label) {
        const TwipsRect b = label.box;
        EXPECT_EQ(b.left % 15 + b.width % 15 + b.height % 15, 0) << label.name;
        EXPECT_GE(b.left, 0);
        EXPECT_LE(b.right(), kWindowTwips) << label.name;
        EXPECT_LE(b.bottom(), kWindowTwips) << label.name;
        EXPECT_EQ(label.clickable(), label.colour == kPink || label.caption == u"Koniec") << label.name;
    };
    for (const WindowLabel& label : kLauncherLabels) check(label);
    for (const WindowLabel& label : kAboutLabels) check(label);
    EXPECT_EQ(k96.W(kAboutPicture.width), 89);
    EXPECT_EQ(k96.H(kAboutPicture.height), 99);
}

}  // namespace
}  // namespace papyrka::launcher
