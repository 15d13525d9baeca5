// Davavazo end to end under Wine: "Vytlačiť" prints the whole list as it stands, a new
// contact not yet saved included, page after page, through the test printer, and saves
// nothing; "Uložiť" saves in field order; with no printer the user is told and nothing changes.
#include <gtest/gtest.h>

#include <algorithm>
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

const Designer kDavavazo{DavavazoDesigner(), &PrintContactList};

using Lines = std::vector<std::string>;

// A record as the file holds it: the name, phone 1 in its place (field 5), the rest empty.
std::string Contact(const std::string& name, const std::string& phone1 = "") {
    return "\"" + Utf8ToCp1250(name) + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"" + phone1 + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
}

// The same contact printed, as pdftotext gives it back, trimmed.
Lines Printed(const std::string& name, const std::string& phone1 = "") {
    return {"Priezvisko a meno : " + name, "Adresa :", "Telefónne číslo 1 :" + (phone1.empty() ? "" : " " + phone1),
            "Telefónne číslo 2 :", "Názov firmy :", "E - mail :", "Poznámky 1 :", "Poznámky 2 :"};
}

class DavavazoTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& names) {
        std::string file = std::to_string(names.size()) + ",1\r\n";
        for (const std::string& name : names) file += Contact(name);
        folder.Write(L"Davavazo.dat", file);
        form = std::make_unique<EditorWindow>(kDavavazo, folder.path(), EditorWindow::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    // The printed PDF's non-empty lines, trimmed; a page break is a line "<page>".
    Lines PrintAndRead() {
        test::EditorDriver(*form).ClickLabel("Label13");
        const std::wstring pdf = capture.WaitForPdf();
        EXPECT_FALSE(pdf.empty());
        if (pdf.empty()) return {};
        pages = test::PdfPageCount(pdf);
        Lines lines;
        std::istringstream in(test::PdfText(pdf));
        for (std::string line; std::getline(in, line);) {
            for (size_t feed; (feed = line.find('\f')) != std::string::npos; lines.push_back("<page>")) line.erase(feed, 1);
            const size_t first = line.find_first_not_of(' ');
            if (first != std::string::npos) lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
        }
        while (!lines.empty() && lines.back() == "<page>") lines.pop_back();
        return lines;
    }

    test::PrintCapture capture;
    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<EditorWindow> form;
    int pages = 0;
};

TEST_F(DavavazoTest, ANewContactPrintsUnsavedInListOrderAndIsSavedInFieldOrder) {
    if (!capture.available()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh";
    ASSERT_TRUE(test::HasDefaultPrinter());
    Open({"Nováková Ľubica", "Kováč Peter"});
    const std::string saved = folder.Read(L"Davavazo.dat");
    const test::EditorDriver driver(*form);
    driver.ClickLabel("Label10");
    driver.Type(GetFocus(), u"Horváthová Eva");
    driver.Type(driver.Box("txtFax"), u"02 123 456");

    Lines expected{"Davavazo"};
    for (const Lines& contact : {Printed("Nováková Ľubica"), Printed("Kováč Peter"), Printed("Horváthová Eva", "02 123 456")})
        expected.insert(expected.end(), contact.begin(), contact.end());
    EXPECT_EQ(PrintAndRead(), expected);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), saved);

    driver.ClickLabel("Label14");
    EXPECT_EQ(folder.Read(L"Davavazo.dat"),
              "3,3" + saved.substr(saved.find("\r\n")) + Contact("Horváthová Eva", "02 123 456"));
    EXPECT_TRUE(answers.seen.empty());
}

TEST_F(DavavazoTest, ALongListContinuesOnASecondPage) {
    if (!capture.available()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh";
    // Enough contacts for more than one page but less than two, in the printer's own font.
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    ASSERT_TRUE(printer);
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(printer.get(), &metrics));
    const int linesPerPage = GetDeviceCaps(printer.get(), VERTRES) / (metrics.tmHeight + metrics.tmExternalLeading);
    const int contacts = linesPerPage / 9 + 2;
    ASSERT_LT(1 + 9 * contacts, 2 * linesPerPage);

    std::vector<std::string> names;
    for (int i = 1; i <= contacts; ++i) names.push_back("Kontakt " + std::to_string(i));
    Open(names);
    const Lines lines = PrintAndRead();
    EXPECT_EQ(pages, 2);
    const auto pageBreak = std::find(lines.begin(), lines.end(), "<page>");
    EXPECT_NE(std::find(pageBreak, lines.end(), "Priezvisko a meno : " + names.back()), lines.end());
    EXPECT_EQ(lines.back(), "Poznámky 2 :");
    const auto isName = [](const std::string& line) { return line.rfind("Priezvisko", 0) == 0; };
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isName), contacts);
}

TEST_F(DavavazoTest, WithoutAPrinterTheUserIsToldAndNothingChanges) {
    Open({"Novák", "Kováč"});
    const RecordList before = form->Records();
    answers.Push({test::ModalAnswer::Button, IDOK, {}});
    PrintRecordList(*form, [](std::u16string&) { return win::PrinterDc(); });
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, L"Davavazo");
    EXPECT_EQ(answers.seen[0].text, L"Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.");
    EXPECT_TRUE(form->Records() == before);
    EXPECT_EQ(test::EditorDriver(*form).Caption("lblCurrRecord"), u"Record 1 of 2");
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

}  // namespace
}  // namespace papyrka::davavazo
