#include "unix_tool.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace papyrka::test {
namespace {

// Exports of Wine's kernel32 that Windows does not have; looked up at run time so that the
// test programs still load on Windows.
template <typename Function>
Function WineExport(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return nullptr;
    FARPROC proc = GetProcAddress(kernel, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

using UnixFileNameFn = char*(CDECL*)(const WCHAR*);
using DosFileNameFn = WCHAR*(CDECL*)(const char*);

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + WideToUtf8(path) + " (error " + std::to_string(GetLastError()) + ")");
    }
    std::string bytes;
    char buffer[1 << 16];
    DWORD got = 0;
    BOOL ok = TRUE;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
        bytes.append(buffer, got);
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) throw std::runtime_error("cannot read " + WideToUtf8(path) + " (error " + std::to_string(error) + ")");
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A name no other call of this process or any other test process uses at the same time.
std::wstring UniqueTempBase() {
    static unsigned counter = 0;
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    return std::wstring(folder, length) + L"papyrka-tool-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter);
}

// The shell writes the exit status last, through a rename, so a status file that exists is
// complete and so are the output files before it.
constexpr const char kRunner[] =
    "t=$1; shift; \"$@\" >\"$t.out\" 2>\"$t.err\"; echo $? >\"$t.tmp\"; mv \"$t.tmp\" \"$t.status\"";

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string WideToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string UnixPath(const std::wstring& windowsPath) {
    const auto toUnix = WineExport<UnixFileNameFn>("wine_get_unix_file_name");
    if (!toUnix) throw std::runtime_error("not running under Wine: no Linux path for " + WideToUtf8(windowsPath));
    char* converted = toUnix(windowsPath.c_str());
    if (!converted) throw std::runtime_error("Wine has no Linux path for " + WideToUtf8(windowsPath));
    std::string path(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return path;
}

std::wstring WindowsPath(const std::string& unixPath) {
    if (const auto toDos = WineExport<DosFileNameFn>("wine_get_dos_file_name")) {
        if (WCHAR* converted = toDos(unixPath.c_str())) {
            std::wstring path(converted);
            HeapFree(GetProcessHeap(), 0, converted);
            return path;
        }
    }
    std::wstring path = L"Z:" + Utf8ToWide(unixPath);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    for (size_t i = 0;; ++i) {
        size_t backslashes = 0;
        while (i < argument.size() && argument[i] == L'\\') {
            ++backslashes;
            ++i;
        }
        if (i == argument.size()) {
            // Doubled so that they do not escape the closing quote.
            quoted.append(backslashes * 2, L'\\');
            break;
        }
        if (argument[i] == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        quoted.push_back(argument[i]);
    }
    quoted.push_back(L'"');
    return quoted;
}

ToolResult RunUnixTool(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    if (argv.empty()) throw std::invalid_argument("RunUnixTool: no program");
    const std::wstring base = UniqueTempBase();
    const std::string unixBase = UnixPath(base);

    std::wstring commandLine = L"/bin/sh -c " + QuoteArgument(Utf8ToWide(kRunner)) + L" sh " +
                               QuoteArgument(Utf8ToWide(unixBase));
    for (const std::string& argument : argv) commandLine += L" " + QuoteArgument(Utf8ToWide(argument));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start " + argv[0] + " (error " + std::to_string(GetLastError()) + ")");
    }
    // Wine hands back no handles for a Unix process; close whatever a real system gave.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);

    const std::wstring statusFile = base + L".status";
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!FileExists(statusFile)) {
        if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error(argv[0] + " did not finish within " + std::to_string(timeout.count()) + " ms");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    ToolResult result;
    result.out = ReadWholeFile(base + L".out");
    result.err = ReadWholeFile(base + L".err");
    const std::string status = ReadWholeFile(statusFile);
    result.exitCode = status.empty() ? -1 : std::atoi(status.c_str());
    for (const wchar_t* suffix : {L".out", L".err", L".status"}) DeleteFileW((base + suffix).c_str());
    return result;
}

}  // namespace papyrka::test
