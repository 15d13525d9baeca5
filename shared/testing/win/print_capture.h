#pragma once
// What a test printed, read back. Inside scripts/testenv.sh the default printer is a PDF
// printer whose files land in the Linux folder named by PAPYRKA_PDF_DIR; a test takes a
// PrintCapture before it prints, waits for the new PDF afterwards, and checks its text, its
// page count or the grey pixels of a page (poppler's tools, run as Linux programs).
#include <chrono>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace papyrka::test {

// One page as grey pixels, row by row from the top-left; 0 is black, 255 white.
struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::uint8_t at(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

// True when Wine sees a default printer (scripts/testenv.sh provides one when run as root).
bool HasDefaultPrinter();

class PrintCapture {
public:
    // Remembers the PDFs already in the folder, so that only later ones count as new.
    PrintCapture();

    // False outside the test environment (PAPYRKA_PDF_DIR unset): print tests skip then.
    bool available() const { return !folder_.empty(); }

    // The Windows path of the next PDF that was not there before, oldest first, or
    // an empty string when none arrives within `timeout`.
    std::wstring WaitForPdf(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    std::wstring folder_;
    std::set<std::wstring> seen_;
};

// These three throw std::runtime_error with the tool's own message when it fails.
// The text of every page (pdftotext -layout), UTF-8; pages end with a form feed.
std::string PdfText(const std::wstring& pdf);
int PdfPageCount(const std::wstring& pdf);
// Page `page` (from 1) rendered at `dpi` in grey (pdftoppm -gray).
GrayImage PdfPageImage(const std::wstring& pdf, int page, int dpi);

}  // namespace papyrka::test
