#include "print_capture.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <thread>

#include "unix_tool.h"

namespace papyrka::test {
namespace {

std::wstring EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

bool EndsWithPdf(const std::wstring& name) {
    if (name.size() < 4) return false;
    std::wstring extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return extension == L".pdf";
}

// Our printer renames a PDF into place once it is written; a printer set up otherwise may
// show a file that is still growing, so a file counts only once its trailer is there.
bool HasPdfTrailer(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    std::string tail;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        const LONGLONG tailSize = std::min<LONGLONG>(size.QuadPart, 1024);
        LARGE_INTEGER start{};
        start.QuadPart = size.QuadPart - tailSize;
        tail.resize(static_cast<size_t>(tailSize));
        DWORD got = 0;
        if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN) ||
            !ReadFile(file, tail.data(), static_cast<DWORD>(tailSize), &got, nullptr)) {
            got = 0;
        }
        tail.resize(got);
    }
    CloseHandle(file);
    return tail.find("%%EOF") != std::string::npos;
}

struct PdfFile {
    FILETIME written;
    std::wstring path;
};

// The PDFs in `folder`, leaving out hidden names (a printer's files in the making).
std::vector<PdfFile> ListPdfs(const std::wstring& folder) {
    std::vector<PdfFile> files;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::wstring name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name[0] == L'.' || !EndsWithPdf(name)) continue;
        files.push_back({entry.ftLastWriteTime, folder + L"\\" + name});
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return files;
}

ToolResult RunPoppler(const char* tool, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), std::string("/usr/bin/") + tool);
    ToolResult result = RunUnixTool(arguments);
    if (result.exitCode != 0) {
        throw std::runtime_error(std::string(tool) + " failed (exit " + std::to_string(result.exitCode) +
                                 "): " + result.err);
    }
    return result;
}

}  // namespace

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    if (GetDefaultPrinterW(nullptr, &size) || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return {};
    name.resize(wcslen(name.c_str()));
    return name;
}

bool HasDefaultPrinter() { return !DefaultPrinterName().empty(); }

PrintCapture::PrintCapture() {
    const std::wstring unixFolder = EnvironmentVariable(L"PAPYRKA_PDF_DIR");
    if (unixFolder.empty()) return;
    folder_ = WindowsPath(WideToUtf8(unixFolder));
    while (folder_.size() > 3 && folder_.back() == L'\\') folder_.pop_back();
    for (const PdfFile& file : ListPdfs(folder_)) seen_.insert(file.path);
}

std::vector<std::wstring> PrintCapture::NewCompletePdfs() const {
    std::vector<PdfFile> fresh;
    for (PdfFile& file : ListPdfs(folder_)) {
        if (seen_.count(file.path) == 0 && HasPdfTrailer(file.path)) fresh.push_back(std::move(file));
    }
    std::sort(fresh.begin(), fresh.end(), [](const PdfFile& a, const PdfFile& b) {
        const LONG order = CompareFileTime(&a.written, &b.written);
        return order != 0 ? order < 0 : a.path < b.path;
    });
    std::vector<std::wstring> paths;
    for (const PdfFile& file : fresh) paths.push_back(file.path);
    return paths;
}

std::wstring PrintCapture::WaitForPdf(std::chrono::milliseconds timeout) {
    if (!available()) return {};
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::vector<std::wstring> fresh = NewCompletePdfs();
        if (!fresh.empty()) {
            seen_.insert(fresh.front());
            return fresh.front();
        }
        if (std::chrono::steady_clock::now() > deadline) return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::string PdfText(const std::wstring& pdf) {
    return RunPoppler("pdftotext", {"-layout", "-enc", "UTF-8", UnixPath(pdf), "-"}).out;
}

int PdfPageCount(const std::wstring& pdf) {
    const std::string info = "\n" + RunPoppler("pdfinfo", {UnixPath(pdf)}).out;
    const std::string key = "\nPages:";
    const size_t at = info.find(key);
    if (at == std::string::npos) throw std::runtime_error("pdfinfo printed no page count: " + info);
    return std::atoi(info.c_str() + at + key.size());
}

GrayImage PdfPageImage(const std::wstring& pdf, int page, int dpi) {
    const std::string pageText = std::to_string(page);
    const ToolResult result =
        RunPoppler("pdftoppm", {"-gray", "-r", std::to_string(dpi), "-f", pageText, "-l", pageText, UnixPath(pdf)});
    GrayImage image;
    if (!ParsePgm(result.out, image)) {
        throw std::runtime_error("pdftoppm gave no page " + pageText + " (" + std::to_string(result.out.size()) +
                                 " bytes): " + result.err);
    }
    return image;
}

bool ParsePgm(const std::string& bytes, GrayImage& image) {
    size_t at = 0;
    // The header is "P5", width, height and the largest value, separated by white space, with
    // comments from '#' to the line end, and then exactly one white-space byte.
    auto readNumber = [&](long& number) {
        for (;;) {
            while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
            if (at < bytes.size() && bytes[at] == '#') {
                while (at < bytes.size() && bytes[at] != '\n') ++at;
                continue;
            }
            break;
        }
        if (at >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[at]))) return false;
        number = 0;
        while (at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at]))) {
            number = number * 10 + (bytes[at++] - '0');
            if (number > 1000000) return false;
        }
        return true;
    };
    if (bytes.compare(0, 2, "P5") != 0) return false;
    at = 2;
    long width = 0, height = 0, maxValue = 0;
    if (!readNumber(width) || !readNumber(height) || !readNumber(maxValue)) return false;
    if (width <= 0 || height <= 0 || maxValue <= 0 || maxValue > 255) return false;
    if (at >= bytes.size() || !std::isspace(static_cast<unsigned char>(bytes[at]))) return false;
    ++at;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (bytes.size() - at < count) return false;

    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
    if (maxValue != 255) {
        for (std::uint8_t& pixel : image.pixels) pixel = static_cast<std::uint8_t>(std::min<long>(pixel, maxValue) * 255 / maxValue);
    }
    return true;
}

}  // namespace papyrka::test
