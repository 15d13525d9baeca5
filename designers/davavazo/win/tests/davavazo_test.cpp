// Davavazo end to end under Wine: "Vytlačiť" prints the whole list as it stands, a new
// contact not yet saved included, page after page; "Uložiť" saves it in field order.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/cp1250.h"
#include "designers/davavazo/davavazo.h"
#include "designers/davavazo/win/print_list.h"
#include "testing/win/editor_driver.h"
#include "testing/win/print_capture.h"

namespace papyrka::davavazo {
namespace {

// A record as the file holds it: the name, phone 1 in its place (field 5), the rest empty.
std::string Contact(const std::string& name, const std::string& phone1 = "") {
    return "\"" + Utf8ToCp1250(name) + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"" + phone1 + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
}

TEST(Davavazo, ANewContactPrintsUnsavedAfterTheListOnASecondPageAndIsSavedInFieldOrder) {
    test::PrintCapture capture;
    if (!capture.available()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh";
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    TEXTMETRICW font{};
    ASSERT_TRUE(printer && GetTextMetricsW(printer.get(), &font));
    // The title, then nine lines a contact in the printer's own font: enough for two pages.
    const int linesPerPage = GetDeviceCaps(printer.get(), VERTRES) / (font.tmHeight + font.tmExternalLeading);
    const int contacts = linesPerPage / 9 + 1;   // and a new one
    ASSERT_LT(1 + 9 * (contacts + 1), 2 * linesPerPage);
    const std::string added = "Horváthová Ľubica", phone = "02 123 456";
    std::string file = std::to_string(contacts) + ",1\r\n";
    std::vector<std::string> expected{"Davavazo"};
    for (int i = 1; i <= contacts + 1; ++i) {
        const std::string name = i > contacts ? added : "Kováč č. " + std::to_string(i);
        if (i <= contacts) file += Contact(name);
        expected.insert(expected.end(), {"Priezvisko a meno : " + name, "Adresa :",
                                         "Telefónne číslo 1 :" + (i > contacts ? " " + phone : ""),
                                         "Telefónne číslo 2 :", "Názov firmy :", "E - mail :", "Poznámky 1 :",
                                         "Poznámky 2 :"});
    }
    test::TempFolder folder;
    folder.Write(L"Davavazo.dat", file);
    test::ModalAnswers answers;   // any message box but the one asked for below fails the test
    static const Designer designer{DavavazoDesigner(), &PrintContactList};
    EditorWindow form(designer, folder.path(), EditorWindow::OnDestroy::KeepRunning);
    ASSERT_TRUE(form.Open());
    test::PumpMessages();
    const test::EditorDriver driver(form);
    driver.ClickLabel("Label10");
    driver.Type(GetFocus(), u"Horváthová Ľubica");
    driver.Type(driver.Box("txtFax"), u"02 123 456");

    driver.ClickLabel("Label13");
    const std::wstring pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    std::vector<std::string> lines;   // the lines with text, trimmed, page breaks left out
    std::istringstream in(test::PdfText(pdf));
    for (std::string line; std::getline(in, line);)
        if (const size_t first = line.find_first_not_of(" \f"); first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \f") - first + 1));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), file);

    driver.ClickLabel("Label14");
    const std::string count = std::to_string(contacts + 1);
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), count + "," + count + file.substr(file.find("\r\n")) + Contact(added, phone));

    answers.Push({test::ModalAnswer::Button, IDOK, {}});   // no printer: the user is told
    PrintRecordList(form, [](std::u16string&) { return win::PrinterDc(); });
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title + L": " + answers.seen[0].text,
              L"Davavazo: Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.");
}

}  // namespace
}  // namespace papyrka::davavazo
