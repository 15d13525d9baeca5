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
namespace {

// Exports of Wine's kernel32 that Windows lacks, looked up at run time so that the test
// programs still load on Windows.
template <typename Function>
Function WineExport(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + WideToUtf8(path));
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Inside single quotes the shell keeps every byte; a quote itself closes, is escaped, reopens.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');   // never more UTF-16 units than UTF-8 bytes
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string WideToUtf8(const std::wstring& text) {
    std::string narrow(text.size() * 3, '\0');   // at most three bytes a UTF-16 unit
    narrow.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          narrow.data(), static_cast<int>(narrow.size()), nullptr,
                                                          nullptr)));
    return narrow;
}

std::string UnixPath(const std::wstring& windowsPath) {
    const auto toUnix = WineExport<char*(CDECL*)(const WCHAR*)>("wine_get_unix_file_name");
    char* converted = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    if (!converted) throw std::runtime_error("no Linux path (not under Wine?) for " + WideToUtf8(windowsPath));
    std::string path(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return path;
}

std::wstring WindowsPath(const std::string& unixPath) {
    const auto toDos = WineExport<WCHAR*(CDECL*)(const char*)>("wine_get_dos_file_name");
    if (WCHAR* converted = toDos ? toDos(unixPath.c_str()) : nullptr) {
        std::wstring path(converted);
        HeapFree(GetProcessHeap(), 0, converted);
        return path;
    }
    std::wstring path = L"Z:" + Utf8ToWide(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// Wine starts a Linux program from CreateProcessW but hands back no process handle and no
// exit code. So the command goes into a shell script (which also spares the arguments
// Windows' command-line quoting), and the script writes the output and then, through a
// rename, the exit status: once the status file exists, everything is complete.
ToolResult RunUnixTool(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    if (argv.empty()) throw std::invalid_argument("RunUnixTool: no program");
    static unsigned runs = 0;
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring base = std::wstring(temp, length) + L"papyrka-tool-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++runs);
    const std::string unixBase = UnixPath(base), q = ShellQuoted(unixBase);
    std::string script;
    for (const std::string& argument : argv) script += ShellQuoted(argument) + " ";
    script += ">" + q + ".out 2>" + q + ".err; echo $? >" + q + ".tmp; mv " + q + ".tmp " + q + ".status\n";
    if (!(std::ofstream(std::filesystem::path(base + L".sh"), std::ios::binary) << script))
        throw std::runtime_error("cannot write the script for " + argv[0]);

    std::wstring commandLine = L"/bin/sh \"" + Utf8ToWide(unixBase) + L".sh\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + argv[0] + " (error " + std::to_string(GetLastError()) + ")");
    if (process.hThread) CloseHandle(process.hThread);   // a real system gives handles
    if (process.hProcess) CloseHandle(process.hProcess);

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (GetFileAttributesW((base + L".status").c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error(argv[0] + " did not finish within " + std::to_string(timeout.count()) + " ms");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ToolResult result{std::atoi(ReadAll(base + L".status").c_str()), ReadAll(base + L".out"), ReadAll(base + L".err")};
    for (const wchar_t* suffix : {L".sh", L".out", L".err", L".status"}) DeleteFileW((base + suffix).c_str());
    return result;
}

}  // namespace papyrka::test
