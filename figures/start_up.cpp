#include "figures/start_up.h"

#include <windows.h>

#include "base/unique_handle.h"
#include "figures/figure.h"

namespace papyrka::figures {

namespace {

struct CloseHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = UniqueHandle<HANDLE, CloseHandleDeleter>;

bool Painted(HWND window) { return !GetUpdateRect(window, nullptr, FALSE); }

BOOL CALLBACK CheckChild(HWND child, LPARAM allPainted) {
    if (IsWindowVisible(child) && !Painted(child)) *reinterpret_cast<bool*>(allPainted) = false;
    return TRUE;
}

struct Search {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindShown(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != wanted->process || !IsWindowVisible(window)) return TRUE;
    wanted->found = window;
    return FALSE;
}

// The program's window once it and every box on it are painted and it answers messages.
bool ShownAndPainted(DWORD process) {
    Search search{process};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    if (!search.found || !Painted(search.found)) return false;
    bool allPainted = true;
    EnumChildWindows(search.found, CheckChild, reinterpret_cast<LPARAM>(&allPainted));
    DWORD_PTR ignored = 0;
    return allPainted && SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

}  // namespace

double StartUpMs(const std::wstring& program, double limitMs) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION started{};
    const double start = Now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started))
        return -1;
    const Handle process(started.hProcess), thread(started.hThread);
    WaitForInputIdle(process.get(), static_cast<DWORD>(limitMs));
    double elapsed = -1;
    while (Now() - start < limitMs && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
        if (ShownAndPainted(started.dwProcessId)) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 10000);
    return elapsed;
}

}  // namespace papyrka::figures
