#pragma once
// Running Linux programs (poppler's pdftotext, pdftoppm, pdfinfo) from a test that runs
// under Wine, and converting paths between the two worlds.
//
// Wine starts a Unix program from CreateProcessW but hands back no process handle and no
// exit code, so the program runs under /bin/sh, which writes its output and then its exit
// status into files that we poll for.
#include <chrono>
#include <string>
#include <vector>

namespace papyrka::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;   // standard output, bytes as written
    std::string err;   // standard error
};

// Runs argv[0] (an absolute Linux path) with the arguments argv[1..] (UTF-8) and waits for it.
// Throws std::runtime_error when it cannot be started or does not finish within `timeout`.
ToolResult RunUnixTool(const std::vector<std::string>& argv,
                       std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Linux path (UTF-8) of a Windows path, through Wine's own mapping; throws if there is none.
std::string UnixPath(const std::wstring& windowsPath);
// Windows path of a Linux path, through Wine's own mapping or else the Z: drive.
std::wstring WindowsPath(const std::string& unixPath);

// One argument of a Windows command line, quoted so that the receiving program's argument
// splitting gives back exactly `argument`.
std::wstring QuoteArgument(const std::wstring& argument);

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace papyrka::test
