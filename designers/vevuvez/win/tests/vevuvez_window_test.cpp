// Vevuvez's print button in the real editor window: what the user typed, saved or not,
// prints on all ten cards, the identifier never does, and printing saves nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../../../../shared/record/win/tests/editor_driver.h"
#include "../vevuvez_designer.h"
#include "cp1250.h"
#include "record_format.h"
#include "print_capture.h"
#include "unix_tool.h"

namespace papyrka::vevuvez {
namespace {

int Occurrences(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
        ++count;
    return count;
}

TEST(VevuvezWindow, PrintButtonPrintsTheBoxesAsTheyStandOnTenCards) {
    test::PrintCapture capture;
    if (!capture.available()) GTEST_SKIP() << "PAPYRKA_PDF_DIR is not set: run inside scripts/testenv.sh as root";
    test::TempFolder folder;
    // One stored card: identifier, company and the big top line; the rest empty.
    RecordList list(13);
    ASSERT_TRUE(list.append());
    list.setCurrent(1);
    list.at(1)[0] = "JM01";
    list.at(1)[1] = Utf8ToCp1250("Papierne Žilina");
    list.at(1)[2] = Utf8ToCp1250("Ján Mrkvička");
    folder.Write(L"Vevuvez.dat", SerializeRecords(list));
    const std::string fileBefore = folder.Read(L"Vevuvez.dat");
    test::ModalAnswers answers;
    auto form = std::make_unique<Form3>(VevuvezDesigner(), folder.path(), Form3::OnDestroy::KeepRunning);
    ASSERT_TRUE(form->Open());
    test::PumpMessages();
    const test::EditorDriver driver(*form);

    // An edit not saved: the fax line gets a text.
    driver.Type(driver.Box("txtFax"), u"obchodný zástupca");
    driver.ClickLabel("Label13");
    const std::wstring pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const std::string text = test::PdfText(pdf);
    EXPECT_EQ(Occurrences(text, "obchodný zástupca"), 10) << text;
    EXPECT_EQ(Occurrences(text, "Papierne Žilina"), 10) << text;
    EXPECT_EQ(Occurrences(text, "Ján Mrkvička"), 10) << text;
    EXPECT_EQ(Occurrences(text, "JM01"), 0) << text;
    EXPECT_EQ(folder.Read(L"Vevuvez.dat"), fileBefore);
    EXPECT_TRUE(answers.seen.empty());   // no message after printing
}

}  // namespace
}  // namespace papyrka::vevuvez
