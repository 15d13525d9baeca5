#pragma once
// What a test printed, read back: inside scripts/testenv.sh the default printer writes PDFs into
// the Linux folder PAPYRKA_PDF_DIR, whose new ones a PrintCapture taken before printing waits for.
#include <chrono>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace papyrka::test {

struct GrayImage {   // row by row from the top-left; 0 is black, 255 white
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
    std::uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + static_cast<size_t>(x)]; }
};


class PrintCapture {
public:
    PrintCapture();   // the PDFs already there never count as new
    bool available() const { return !folder_.empty(); }   // false outside the test environment
    // The next new PDF's Windows path, oldest first; empty when none comes within `timeout`.
    std::wstring WaitForPdf(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    std::wstring folder_;
    std::set<std::wstring> seen_;
};

// These three throw std::runtime_error with the tool's own message when it fails.
std::string PdfText(const std::wstring& pdf);   // pdftotext -layout, UTF-8, a form feed after each page
int PdfPageCount(const std::wstring& pdf);
GrayImage PdfPageImage(const std::wstring& pdf, int page, int dpi);   // page from 1

int Occurrences(std::string_view text, std::string_view what);
// The first of `lines` not found in `text` after the ones before it; empty when all are, in order.
std::string MissingInOrder(std::string_view text, const std::vector<std::string_view>& lines);

}  // namespace papyrka::test
