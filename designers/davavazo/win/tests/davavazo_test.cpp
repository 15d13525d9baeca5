// Davavazo end to end: the list printed page after page as it stands, a new contact saved.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "designers/davavazo/davavazo.h"
#include "designers/davavazo/win/print_list.h"
#include "testing/win/designer_session.h"
#include "win32/fonts.h"
#include "win32/gdi.h"

namespace papyrka::davavazo {
namespace {

// A record as the file holds it: the name, phone 1 in its place (field 5), the rest empty.
std::string Contact(const std::string& name, const std::string& phone1 = "") {
    return "\"" + Utf8ToCp1250(name) + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"" + phone1 + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
}

// Lines of the list on a page of the default printer; 0 without one.
int LinesPerPage() {
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    if (!printer) return 0;
    const win::Font listFont = win::CreateFontFor(kListFont, GetDeviceCaps(printer.get(), LOGPIXELSY));
    win::SelectGuard selected(printer.get(), listFont.get());
    TEXTMETRICW font{};
    GetTextMetricsW(printer.get(), &font);
    return GetDeviceCaps(printer.get(), VERTRES) / std::max(1, static_cast<int>(font.tmHeight + font.tmExternalLeading));
}

TEST(Davavazo, ANewContactPrintsUnsavedAfterTheListOnASecondPageAndIsSavedInFieldOrder) {
    // The title, then nine lines a contact: enough for two pages, the first name wrapped over several.
    const int linesPerPage = LinesPerPage();
    if (linesPerPage == 0) GTEST_SKIP() << "no printer: run inside scripts/testenv.sh";
    std::vector<std::string> names(static_cast<size_t>(linesPerPage / 9 + 1));   // and a new one
    ASSERT_LT(1 + 9 * static_cast<int>(names.size() + 1), 2 * linesPerPage);
    std::vector<test::TestRecord> records;
    std::vector<std::string> expected{"Davavazo"};
    for (size_t i = 0; i <= names.size(); ++i) {
        std::string name = i < names.size() ? (names[i] = "Kováč " + std::to_string(i + 1)) : "Horváthová Ľubica";
        for (int word = 0; i == 0 && word < 45; ++word) names[0] = name += " Ďatelina" + std::to_string(word % 10);
        if (i < names.size()) records.push_back({names[i].c_str()});
        expected.insert(expected.end(), {"Priezvisko a meno : " + name, "Adresa :",
                                         "Telefónne číslo 1 :" + std::string(i < names.size() ? "" : " 02 123 456"),
                                         "Telefónne číslo 2 :", "Názov firmy :", "E - mail :", "Poznámky 1 :",
                                         "Poznámky 2 :"});
    }
    static const Designer designer{DavavazoDesigner(), &PrintContactList};
    test::DesignerSession session(designer, records);
    ASSERT_TRUE(session.ok());
    test::ModalAnswers answers;   // any message box but the one asked for below fails the test
    session.driver().ClickLabel("Label10");
    session.driver().Type(GetFocus(), u"Horváthová Ľubica");
    session.Type("txtFax", "02 123 456");

    answers.Push({test::ModalAnswer::LeftAlone, 0, {}});   // the progress of the second page
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    std::vector<std::string> lines;   // the lines with text, trimmed, page breaks left out
    std::istringstream in(test::PdfText(pdf));
    for (std::string line; std::getline(in, line);)
        if (const size_t first = line.find_first_not_of(" \f"); first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \f") - first + 1));
    ASSERT_GT(lines.size(), expected.size() + 2) << "the long name takes several lines";
    while (lines.size() > 3 && lines[2] != "Adresa :") lines[1] += " " + lines[2], lines.erase(lines.begin() + 2);
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(session.FileUnchanged());

    session.driver().ClickLabel("Label14");
    std::string file = std::to_string(names.size() + 1) + "," + std::to_string(names.size() + 1) + "\r\n";
    for (const std::string& name : names) file += Contact(name);
    std::ifstream disk(std::filesystem::path(test::W(session.form().RecordFilePath())), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(disk), {}), file + Contact("Horváthová Ľubica", "02 123 456"));

    answers.Push({test::ModalAnswer::Button, IDOK, {}});   // no printer: the user is told
    PrintRecordList(session.form(), [](std::u16string&) { return win::PrinterDc(); });
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[1].title + L": " + answers.seen[1].text,
              L"Davavazo: Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.");
}

TEST(Davavazo, AListOfManyPagesShowsWhichPageItPrintsAndAStopLetsNothingReachThePrinter) {
    const int linesPerPage = LinesPerPage();
    if (linesPerPage == 0) GTEST_SKIP() << "no printer: run inside scripts/testenv.sh";
    const std::vector<test::TestRecord> records(static_cast<size_t>(2 * linesPerPage / 9 + 1), {"Kováč Ján"});
    static const Designer designer{DavavazoDesigner(), &PrintContactList};
    test::DesignerSession session(designer, records);
    ASSERT_TRUE(session.ok());
    {
        test::ModalAnswers answers;
        answers.Push({test::ModalAnswer::Button, IDCANCEL, {}});
        session.driver().ClickLabel("Label13");
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].title + L": " + answers.seen[0].text, L"Davavazo: Tlačí sa strana 2 …");
        EXPECT_FALSE(answers.seen[0].ownerEnabled) << "the editor waits while the list prints";
    }
    EXPECT_TRUE(IsWindowEnabled(session.driver().window()));
    // The stopped job never arrives: the next PDF is the next whole list.
    const std::wstring pdf = session.Print("Label13");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(test::PdfPageCount(pdf), 3);
}

}  // namespace
}  // namespace papyrka::davavazo
