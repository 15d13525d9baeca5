// What the launcher hands to the system: tray menu command identifiers, the string that
// starts a designer, and the tray tip's fixed field.
#include <gtest/gtest.h>

#include <string>

#include "base/suite.h"
#include "base/windows_path.h"
#include "launcher/designer_url.h"
#include "launcher/tray_menu.h"
#include "launcher/tray_tip.h"

namespace papyrka::launcher {
namespace {

TEST(TrayMenu, CommandIdentifiersLeadBackToTheirItemsAndSkipSeparators) {
    for (int i = 0; i < kTrayMenuSize; ++i) {
        EXPECT_EQ(TrayMenuItemFor(TrayCommandId(i)), kTrayMenu[i].separator() ? nullptr : &kTrayMenu[i]) << i;
        EXPECT_EQ(TrayMenuPosition(kTrayMenu[i].name), kTrayMenu[i].name.empty() ? -1 : i) << i;
    }
    for (unsigned outside : {0u, kFirstTrayCommand - 1, TrayCommandId(kTrayMenuSize)})
        EXPECT_EQ(TrayMenuItemFor(outside), nullptr) << outside << " (0 is what a dismissed menu returns)";
}

// LaunchDesigner's string for a designer beside the launcher: "file://", the launcher's
// folder without its trailing backslash (a drive root keeps its own), then the name.
TEST(DesignerUrl, IsFileColonSlashSlashTheLaunchersFolderAndTheName) {
    const struct { std::u16string_view launcher, url; } table[] = {
        {u"C:\\Office\\Suite\\Papyrka.exe", u"file://C:\\Office\\Suite\\Vevuvez.exe"},
        // The drive root's backslash stays, so the string has two; it goes to the shell as is.
        {u"C:\\Papyrka.exe", u"file://C:\\\\Vevuvez.exe"},
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
    const struct { std::u16string text, kept; } table[] = {
        {std::u16string(kSuiteTitle), std::u16string(kSuiteTitle)}, {u"", u""}, {x63, x63}, {x63 + x63, x63},
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
