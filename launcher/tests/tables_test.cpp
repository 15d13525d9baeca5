// The tray menu and the two windows' tables against each other and against the artwork's
// geometry, so that a slip in one row shows up; then the strings handed to the system.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "base/suite.h"
#include "base/windows_path.h"
#include "launcher/designer_url.h"
#include "launcher/launcher_artwork.h"
#include "launcher/tray_menu.h"
#include "launcher/tray_tip.h"
#include "launcher/window_labels.h"

namespace papyrka::launcher {
namespace {

TEST(TrayMenu, ProgramItemsMatchTheLauncherWindowsLabelsInOrder) {
    int program = 0;
    for (const TrayMenuItem& item : kTrayMenu) {
        if (item.action != TrayAction::StartDesigner) continue;
        ASSERT_LT(program, kOvalCount);
        const WindowLabel& label = kLauncherLabels[program++];
        EXPECT_EQ(label.action, LabelAction::StartDesigner) << label.name;
        EXPECT_EQ(item.caption, label.caption) << label.name;
        EXPECT_EQ(item.designerFile, label.designerFile) << label.name;
    }
    EXPECT_EQ(program, kOvalCount);
}

TEST(TrayMenu, CommandIdentifiersLeadBackToTheirItemsAndSkipSeparators) {
    for (int i = 0; i < kTrayMenuSize; ++i) {
        EXPECT_EQ(TrayMenuItemFor(TrayCommandId(i)), kTrayMenu[i].separator() ? nullptr : &kTrayMenu[i]) << i;
        EXPECT_EQ(TrayMenuPosition(kTrayMenu[i].name), kTrayMenu[i].name.empty() ? -1 : i) << i;
    }
    for (unsigned outside : {0u, kFirstTrayCommand - 1, TrayCommandId(kTrayMenuSize)})
        EXPECT_EQ(TrayMenuItemFor(outside), nullptr) << outside << " (0 is what a dismissed menu returns)";
}

bool Overlap(TwipsRect a, TwipsRect b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(WindowLabels, BoxesAreWholePixelsInTheWindowOffTheBarsAndProgramLabelsOnTheirOvals) {
    auto check = [](const WindowLabel& label, TwipsRect picture) {
        const TwipsRect b = label.box;
        EXPECT_EQ(b.left % 15 + b.width % 15 + b.height % 15, 0) << label.name;
        EXPECT_TRUE(b.left >= 0 && b.right() <= kWindowTwips && b.bottom() <= kWindowTwips) << label.name;
        EXPECT_EQ(label.clickable(), label.colour == kPink || label.caption == u"Koniec") << label.name;
        for (TwipsRect other : {kTitleBar, kBottomBar, picture}) EXPECT_FALSE(Overlap(b, other)) << label.name;
    };
    for (const WindowLabel& label : kAboutLabels) check(label, kAboutPicture);
    for (int i = 0; i < static_cast<int>(std::size(kLauncherLabels)); ++i) {
        const TwipsRect label = kLauncherLabels[i].box, oval = OvalButton(i);
        check(kLauncherLabels[i], TwipsRect{});
        if (i >= kOvalCount) continue;
        EXPECT_TRUE(label.left >= oval.left && label.right() <= oval.right()) << kLauncherLabels[i].name;
        EXPECT_TRUE(label.top + label.height / 2 > oval.top && label.top + label.height / 2 < oval.bottom()) << i;
    }
}

// LaunchDesigner's string for a designer beside the launcher: "file://", the launcher's
// folder without its trailing backslash (a drive root keeps its own), then the name.
TEST(DesignerUrl, IsFileColonSlashSlashTheLaunchersFolderAndTheName) {
    const struct {
        std::u16string_view launcher, url;
    } table[] = {
        {u"C:\\Office\\Suite\\Papyrka.exe", u"file://C:\\Office\\Suite\\Vevuvez.exe"},
        // The drive root's backslash stays, so the string has two; it goes to the shell as is.
        {u"C:\\Papyrka.exe", u"file://C:\\\\Vevuvez.exe"},
        {u"d:\\Papyrka.exe", u"file://d:\\\\Vevuvez.exe"},
        {u"\\\\server\\share\\Papyrka.exe", u"file://\\\\server\\share\\Vevuvez.exe"},
        {u"Papyrka.exe", u"file://\\Vevuvez.exe"},
    };
    for (const auto& row : table) EXPECT_EQ(DesignerUrl(FolderOfPath(row.launcher), u"\\Vevuvez.exe"), row.url);
    EXPECT_EQ(DesignerUrl(u"C:\\Suite\\\\", u"\\Kryton.exe"), u"file://C:\\Suite\\Kryton.exe")
        << "a folder handed over with trailing backslashes";
}

// The text is cut to 63 units, never inside a surrogate pair, then one NUL and blanks to 64.
TEST(TrayTipField, IsTheTextCutToFitOneNulThenBlanks) {
    const std::u16string x61(61, u'x'), x62(62, u'x'), x63(63, u'x'), pair = u"\U0001F4C4";
    const struct {
        std::u16string text, kept;
    } table[] = {
        {std::u16string(kSuiteTitle), std::u16string(kSuiteTitle)}, {u"", u""}, {x63, x63}, {x63 + u"x", x63}, {x63 + x63, x63},
        {x62 + pair, x62}, {x61 + pair, x61 + pair},
    };
    for (const auto& row : table) {
        std::u16string expected = row.kept + u'\0';
        expected.resize(kTipLength, u' ');
        const auto field = TrayTipField(row.text);
        EXPECT_EQ(std::u16string(field.begin(), field.end()), expected) << "text size " << row.text.size();
    }
}

}  // namespace
}  // namespace papyrka::launcher
