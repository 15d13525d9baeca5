#include "win32/program_start.h"

#include <windows.h>

#include "win32/dpi.h"

namespace papyrka::win {

void StartProgram() {
    // Loaded at run time: Windows 7 has it only with update KB2533623.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const auto setDirectories = kernel32 ? reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
                                               GetProcAddress(kernel32, "SetDefaultDllDirectories")))
                                         : nullptr;
    if (setDirectories) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    EnableDpiAwareness();
}

}  // namespace papyrka::win
