// Not a check but a product: the sample sheet whose picture the README shows, printed the
// real way (the print button, PrintLayout, the PDF printer). Run by scripts/card-sheet-picture.sh.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../print_action.h"
#include "fake_editor.h"
#include "print_capture.h"
#include "unix_tool.h"

namespace papyrka::vevuvez {
namespace {

TEST(CardSheetSample, DISABLED_PrintsTheReadmeSample) {
    const char* target = std::getenv("PAPYRKA_SAMPLE_PDF");   // a Linux path
    ASSERT_NE(target, nullptr) << "PAPYRKA_SAMPLE_PDF names the PDF to write";
    test::PrintCapture capture;
    ASSERT_TRUE(capture.available()) << "run inside scripts/testenv.sh as root";
    FakeEditor editor = FirstCard();
    Label13_Click(editor);
    const std::wstring pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    ASSERT_TRUE(CopyFileW(pdf.c_str(), test::WindowsPath(target).c_str(), FALSE)) << GetLastError();
}

}  // namespace
}  // namespace papyrka::vevuvez
