#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../../../../shared/record/win/tests/editor_driver.h"
#include "../davavazo_designer.h"
#include "../print_list.h"
#include "cp1250.h"
#include "print_capture.h"
#include "unix_tool.h"

namespace papyrka::davavazo {
namespace {

using test::ModalAnswer;

// Each non-empty line of the PDF's text, without the layout's indentation; pages are
// separated by a line "<page>".
std::vector<std::string> PrintedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        for (size_t feed; (feed = line.find('\f')) != std::string::npos;) {
            line.erase(feed, 1);
            lines.push_back("<page>");
        }
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
    }
    while (!lines.empty() && lines.back() == "<page>") lines.pop_back();
    return lines;
}

std::vector<std::string> ContactBlock(const std::string& name, const std::string& email) {
    return {"Priezvisko a meno : " + name, "Adresa :", "Telefónne číslo 1 :", "Telefónne číslo 2 :", "Názov firmy :",
            "E - mail : " + email, "Poznámky 1 :", "Poznámky 2 :"};
}

std::string Quoted(const std::string& utf8) { return "\"" + Utf8ToCp1250(utf8) + "\"\r\n"; }

std::string ContactFile(const std::vector<std::string>& names) {
    std::string file = std::to_string(names.size()) + ",1\r\n";
    for (const std::string& name : names) {
        file += Quoted(name);
        for (int field = 2; field <= 8; ++field) file += field == 6 ? Quoted(name + "@example.sk") : "\"\"\r\n";
    }
    return file;
}

class PrintListTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& names) {
        folder.Write(L"Davavazo.dat", ContactFile(names));
        form = std::make_unique<Form3>(DavavazoDesigner(), folder.path(), Form3::OnDestroy::KeepRunning);
        ASSERT_TRUE(form->Open());
        test::PumpMessages();
    }
    bool NeedPrinter() {
        if (!capture.available()) return false;
        EXPECT_TRUE(test::HasDefaultPrinter());
        return true;
    }
    std::vector<std::string> PrintAndRead() {
        test::EditorDriver(*form).ClickLabel("Label13");
        const std::wstring pdf = capture.WaitForPdf();
        EXPECT_FALSE(pdf.empty());
        if (pdf.empty()) return {};
        pages = test::PdfPageCount(pdf);
        return PrintedLines(test::PdfText(pdf));
    }

    test::PrintCapture capture;
    test::TempFolder folder;
    test::ModalAnswers answers;
    std::unique_ptr<Form3> form;
    int pages = 0;
};

TEST_F(PrintListTest, ThreeContactsPrintOnOnePageInListOrderWithUnsavedEdits) {
    if (!NeedPrinter()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh";
    Open({"Nováková Ľubica", "Kováč Peter", "Horváth Ján"});
    const std::string saved = folder.Read(L"Davavazo.dat");
    test::EditorDriver driver(*form);
    SetWindowTextW(driver.Box("txtEmail"), L"zmenené@example.sk");

    const std::vector<std::string> lines = PrintAndRead();
    std::vector<std::string> expected{"Davavazo"};
    for (const auto& block : {ContactBlock("Nováková Ľubica", "zmenené@example.sk"),
                              ContactBlock("Kováč Peter", "Kováč Peter@example.sk"),
                              ContactBlock("Horváth Ján", "Horváth Ján@example.sk")})
        expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(folder.Read(L"Davavazo.dat"), saved);   // printing saves nothing
    EXPECT_TRUE(answers.seen.empty());
}

TEST_F(PrintListTest, ALongListContinuesOnASecondPage) {
    if (!NeedPrinter()) GTEST_SKIP() << "no test printer: run inside scripts/testenv.sh";
    // Enough contacts for more than one page but less than two, in the printer's own font.
    std::u16string error;
    const win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    ASSERT_TRUE(printer) << test::WideToUtf8(test::W(error));
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(printer.get(), &metrics));
    const int linesPerPage = GetDeviceCaps(printer.get(), VERTRES) / (metrics.tmHeight + metrics.tmExternalLeading);
    const int contacts = linesPerPage / 9 + 2;
    ASSERT_LT(1 + 9 * contacts, 2 * linesPerPage);

    std::vector<std::string> names;
    for (int i = 1; i <= contacts; ++i) names.push_back("Kontakt " + std::to_string(i));
    Open(names);
    const std::vector<std::string> lines = PrintAndRead();
    EXPECT_EQ(pages, 2);
    const auto pageBreak = std::find(lines.begin(), lines.end(), "<page>");
    ASSERT_NE(pageBreak, lines.end());
    EXPECT_EQ(lines.back(), "Poznámky 2 :");
    EXPECT_NE(std::find(pageBreak, lines.end(), "Priezvisko a meno : Kontakt " + std::to_string(contacts)), lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("Priezvisko a meno : ", 0) == 0; }),
              contacts);
}

win::PrinterDc NoPrinter(std::u16string&) { return win::PrinterDc(); }

TEST_F(PrintListTest, WithoutAPrinterTheUserIsToldAndNothingChanges) {
    Open({"Novák", "Kováč"});
    const RecordList before = form->Records();
    answers.Push({ModalAnswer::Button, IDOK, {}});
    PrintRecordList(*form, &NoPrinter);
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, L"Davavazo");
    EXPECT_EQ(answers.seen[0].text, L"Nie je k dispozícii žiadna tlačiareň, preto sa nedá tlačiť.");
    EXPECT_TRUE(form->Records() == before);
    EXPECT_EQ(test::EditorDriver(*form).Caption("lblCurrRecord"), u"Record 1 of 2");
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

}  // namespace
}  // namespace papyrka::davavazo
