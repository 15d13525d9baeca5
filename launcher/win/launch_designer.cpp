#include "launch_designer.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "launcher/designer_url.h"
#include "win32/wide.h"

namespace papyrka::launcher {

namespace {

std::u16string& FolderOverride() {
    static std::u16string folder;
    return folder;
}

}  // namespace

std::u16string LauncherFolder() {
    if (!FolderOverride().empty()) return FolderOverride();
    // Long paths do not fit MAX_PATH: grow until the whole path fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::u16string();
        if (length < buffer.size()) return FolderOfPath(win::Utf16(buffer.data(), length));
        if (buffer.size() >= 32768) return std::u16string();
        buffer.resize(buffer.size() * 2);
    }
}

void SetLaunchFolderForTests(std::u16string folder) { FolderOverride() = std::move(folder); }

void LaunchDesigner(std::u16string_view fileName) {
    const std::u16string url = DesignerUrl(LauncherFolder(), fileName);
    // A designer that is missing or cannot start is the shell's to report, if at all: the
    // launcher stays as it was, so the result is deliberately not looked at.
    ShellExecuteW(nullptr, nullptr, win::Wide(url), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace papyrka::launcher
