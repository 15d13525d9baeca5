#pragma once
// Linux programs (poppler's tools) run from a test under Wine, and paths and text between both.
#include <chrono>
#include <string>
#include <vector>

namespace papyrka::test {

struct ToolResult {
    int exitCode = -1;
    std::string out, err;   // standard output and error, bytes as written
};

// Runs argv[0] (an absolute Linux path) with argv[1..] (UTF-8) and waits for it; throws
// std::runtime_error when it cannot start or does not finish within `timeout`.
ToolResult RunUnixTool(const std::vector<std::string>& argv,
                       std::chrono::milliseconds timeout = std::chrono::seconds(60));

std::string UnixPath(const std::wstring& windowsPath);     // throws when Wine knows none
std::wstring WindowsPath(const std::string& unixPath);     // on Wine's drive Z:
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace papyrka::test
