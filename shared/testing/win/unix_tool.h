#pragma once
// Running Linux programs (poppler's pdftotext, pdftoppm, pdfinfo) from a test that runs
// under Wine, and converting paths and text between the two worlds.
#include <chrono>
#include <string>
#include <vector>

namespace papyrka::test {

struct ToolResult {
    int exitCode = -1;
    std::string out, err;   // standard output and error, bytes as written
};

// Runs argv[0] (an absolute Linux path) with the arguments argv[1..] (UTF-8) and waits for it.
// Throws std::runtime_error when it cannot be started or does not finish within `timeout`.
ToolResult RunUnixTool(const std::vector<std::string>& argv,
                       std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Linux path (UTF-8) of a Windows path, through Wine's own mapping; throws if there is none.
std::string UnixPath(const std::wstring& windowsPath);
// Windows path of a Linux path, through Wine's own mapping or else the Z: drive.
std::wstring WindowsPath(const std::string& unixPath);

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace papyrka::test
