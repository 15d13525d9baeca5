// What the launcher hands to the system: tray menu commands, the string that starts a
// designer, and the tray tip's fixed field.
#include <gtest/gtest.h>

#include <string>

#include "base/windows_path.h"
#include "launcher/designer_url.h"
#include "launcher/tray_menu.h"
#include "launcher/tray_tip.h"

namespace papyrka::launcher {
namespace {

TEST(TrayMenu, OnlyTheItemsCommandsLeadToAnItem) {
    for (unsigned command : {0u, kFirstTrayCommand - 1, TrayCommandId(1), TrayCommandId(kTrayMenuSize)})
        EXPECT_EQ(TrayMenuItemFor(command), nullptr) << command << " (1 is a separator)";
}

// The launcher's folder without its trailing backslash (a drive root keeps its own), then the name.
TEST(DesignerUrl, IsFileColonSlashSlashTheLaunchersFolderAndTheName) {
    const struct { std::u16string_view launcher, url; } table[] = {
        {u"C:\\Office\\Suite\\Papyrka.exe", u"file://C:\\Office\\Suite\\Vevuvez.exe"},
        {u"C:\\Papyrka.exe", u"file://C:\\\\Vevuvez.exe"},   // goes to the shell as it is
        {u"\\\\server\\share\\Papyrka.exe", u"file://\\\\server\\share\\Vevuvez.exe"},
        {u"Papyrka.exe", u"file://\\Vevuvez.exe"},
    };
    for (const auto& row : table) EXPECT_EQ(DesignerUrl(FolderOfPath(row.launcher), u"\\Vevuvez.exe"), row.url);
    EXPECT_EQ(DesignerUrl(u"C:\\Suite\\\\", u"\\Kryton.exe"), u"file://C:\\Suite\\Kryton.exe");
}

TEST(TrayTipField, IsTheTextCutToFitOneNulThenBlanks) {
    const std::u16string x61(61, u'x'), x62(62, u'x'), x63(63, u'x'), pair = u"\U0001F4C4";
    const struct { std::u16string text, kept; } table[] = {
        {u"Papyrka", u"Papyrka"}, {u"", u""}, {x63, x63}, {x63 + x63, x63},
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
