#include "testing/win/print_capture.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <utility>

#include "testing/win/unix_tool.h"

namespace papyrka::test {
namespace {

// Every PDF in the folder, oldest first. The test printer renames each into place when whole.
std::set<std::pair<std::filesystem::file_time_type, std::wstring>> ListPdfs(const std::wstring& folder) {
    std::set<std::pair<std::filesystem::file_time_type, std::wstring>> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == L".pdf") files.insert({entry.last_write_time(), entry.path().wstring()});
    return files;
}

std::string Poppler(const char* tool, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), std::string("/usr/bin/") + tool);
    const ToolResult result = RunUnixTool(arguments);
    if (result.exitCode != 0)
        throw std::runtime_error(std::string(tool) + " failed (exit " + std::to_string(result.exitCode) +
                                 "): " + result.err);
    return result.out;
}

}  // namespace

PrintCapture::PrintCapture() {
    const wchar_t* unixFolder = _wgetenv(L"PAPYRKA_PDF_DIR");
    if (!unixFolder || !*unixFolder) return;
    folder_ = WindowsPath(WideToUtf8(unixFolder));
    for (const auto& file : ListPdfs(folder_)) seen_.insert(file.second);
}

std::wstring PrintCapture::WaitForPdf(std::chrono::milliseconds timeout) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; available();) {
        for (const auto& file : ListPdfs(folder_))
            if (seen_.insert(file.second).second) return file.second;
        if (std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

std::string PdfText(const std::wstring& pdf) { return Poppler("pdftotext", {"-layout", "-enc", "UTF-8", UnixPath(pdf), "-"}); }

int PdfPageCount(const std::wstring& pdf) {   // pdftotext ends every page with a form feed
    const std::string text = PdfText(pdf);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

GrayImage PdfPageImage(const std::wstring& pdf, int page, int dpi) {
    const std::string number = std::to_string(page);
    const std::string pgm =
        Poppler("pdftoppm", {"-gray", "-r", std::to_string(dpi), "-f", number, "-l", number, UnixPath(pdf)});
    // A binary PGM: "P5", width, height and 255, each followed by one white-space byte, then a byte a pixel.
    GrayImage image;
    int maxValue = 0, header = 0;
    std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maxValue, &header);
    const size_t size = static_cast<size_t>(std::max(image.width, 0)) * static_cast<size_t>(std::max(image.height, 0));
    if (maxValue != 255 || size == 0 || pgm.size() < header + 1 + size)
        throw std::runtime_error("pdftoppm gave no page " + number + " of " + WideToUtf8(pdf));
    image.pixels.assign(pgm.begin() + header + 1, pgm.begin() + header + 1 + static_cast<std::ptrdiff_t>(size));
    return image;
}

int Occurrences(std::string_view text, std::string_view what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

std::string MissingInOrder(std::string_view text, const std::vector<std::string_view>& lines) {
    size_t at = 0;
    for (std::string_view line : lines)
        if ((at = text.find(line, at)) == std::string_view::npos) return std::string(line);
    return {};
}

}  // namespace papyrka::test
