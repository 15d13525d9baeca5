#include "designer_url.h"

#include <gtest/gtest.h>

namespace papyrka::launcher {
namespace {

TEST(DesignerUrl, JoinsTheFolderAndTheNameAfterFileColonSlashSlash) {
    struct Row {
        std::u16string_view folder, name, url;
    };
    const Row table[] = {
        {u"C:\\Office\\Suite", u"\\Vevuvez.exe", u"file://C:\\Office\\Suite\\Vevuvez.exe"},
        // A drive root keeps its backslash, so the string has two; it goes to the shell as is.
        {u"C:\\", u"\\Vevuvez.exe", u"file://C:\\\\Vevuvez.exe"},
        {u"d:\\", u"\\Kryton.exe", u"file://d:\\\\Kryton.exe"},
        // A folder handed over with a trailing backslash is written the way the system writes it.
        {u"C:\\Office\\Suite\\", u"\\Zozuraz.exe", u"file://C:\\Office\\Suite\\Zozuraz.exe"},
        {u"C:\\Office\\Suite\\\\", u"\\Zozuraz.exe", u"file://C:\\Office\\Suite\\Zozuraz.exe"},
        {u"\\\\server\\share\\Papyrka", u"\\Radirir.exe", u"file://\\\\server\\share\\Papyrka\\Radirir.exe"},
        {u"C:\\Kancelária\\Tlačivá", u"\\Kuvertex.exe", u"file://C:\\Kancelária\\Tlačivá\\Kuvertex.exe"},
    };
    for (const Row& row : table) EXPECT_EQ(DesignerUrl(row.folder, row.name), row.url);
}

TEST(FolderOfPath, DropsTheFileNameAndKeepsOnlyADriveRootsBackslash) {
    struct Row {
        std::u16string_view path, folder;
    };
    const Row table[] = {
        {u"C:\\Office\\Suite\\Papyrka.exe", u"C:\\Office\\Suite"},
        {u"C:\\Papyrka.exe", u"C:\\"},
        {u"\\\\server\\share\\Papyrka.exe", u"\\\\server\\share"},
        {u"Papyrka.exe", u""},
        {u"", u""},
    };
    for (const Row& row : table) EXPECT_EQ(FolderOfPath(row.path), row.folder) << "path size " << row.path.size();
}

}  // namespace
}  // namespace papyrka::launcher
