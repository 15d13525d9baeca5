#include "testing/win/unix_tool.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace papyrka::test {
std::wstring Utf8ToWide(const std::string& text) { return std::filesystem::u8path(text).wstring(); }
std::string WideToUtf8(const std::wstring& text) { return std::filesystem::path(text).u8string(); }

std::string UnixPath(const std::wstring& windowsPath) {
    // Wine's own mapping, looked up at run time so that the tests still load on Windows.
    const auto toUnix = reinterpret_cast<char* (CDECL*)(const WCHAR*)>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* converted = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    if (!converted) throw std::runtime_error("no Linux path (not under Wine?) for " + WideToUtf8(windowsPath));
    const std::string path(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return path;
}

std::wstring WindowsPath(const std::string& unixPath) {   // Wine's drive Z: is the Linux root
    std::wstring path = L"Z:" + Utf8ToWide(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// Wine starts a Linux program but gives no handle or exit code: a shell script runs it (sparing
// Windows' quoting) and renames its status file into place last, so once it exists all is written.
ToolResult RunUnixTool(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    if (argv.empty()) throw std::invalid_argument("RunUnixTool: no program");
    const auto quoted = [](const std::string& text) {   // a quote closes, is escaped, reopens
        std::string shell = "'";
        for (char c : text) shell += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return shell + "'";
    };
    static unsigned runs = 0;
    const std::wstring base = (std::filesystem::temp_directory_path() / (L"papyrka-tool-" + std::to_wstring(
                                  GetCurrentProcessId()) + L"-" + std::to_wstring(++runs))).wstring();
    const std::string unixBase = UnixPath(base), q = quoted(unixBase);
    std::string script;
    for (const std::string& argument : argv) script += quoted(argument) + " ";
    script += ">" + q + ".out 2>" + q + ".err; echo $? >" + q + ".tmp; mv " + q + ".tmp " + q + ".status\n";
    if (!(std::ofstream(std::filesystem::path(base + L".sh"), std::ios::binary) << script))
        throw std::runtime_error("cannot write the script for " + argv[0]);

    std::wstring commandLine = L"/bin/sh \"" + Utf8ToWide(unixBase) + L".sh\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + argv[0] + " (error " + std::to_string(GetLastError()) + ")");
    for (HANDLE handle : {process.hThread, process.hProcess})   // Windows itself gives handles
        if (handle) CloseHandle(handle);

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (GetFileAttributesW((base + L".status").c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error(argv[0] + " did not finish within " + std::to_string(timeout.count()) + " ms");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const auto read = [&](const wchar_t* suffix) {
        std::ifstream in(std::filesystem::path(base + suffix), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const ToolResult result{std::atoi(read(L".status").c_str()), read(L".out"), read(L".err")};
    for (const wchar_t* suffix : {L".sh", L".out", L".err", L".status"}) DeleteFileW((base + suffix).c_str());
    return result;
}

}  // namespace papyrka::test
