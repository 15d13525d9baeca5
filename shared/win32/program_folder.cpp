#include "win32/program_folder.h"

#include <windows.h>

#include <vector>

#include "base/windows_path.h"
#include "win32/wide.h"

namespace papyrka::win {

std::u16string ProgramFolder() {
    // Long paths do not fit MAX_PATH: the buffer grows until the whole path fits, up to the
    // longest path the system has.
    constexpr std::size_t kLongestPath = 32768;
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::u16string();
        if (length < buffer.size()) return FolderOfPath(Utf16(buffer.data(), length));
        if (buffer.size() >= kLongestPath) return std::u16string();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace papyrka::win
