#include "launcher/win/launch_designer.h"

#include <windows.h>
#include <shellapi.h>

#include "launcher/designer_url.h"
#include "win32/program_folder.h"
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
    return win::ProgramFolder();
}

void SetLaunchFolderForTests(std::u16string folder) { FolderOverride() = std::move(folder); }

void LaunchDesigner(std::u16string_view fileName) {
    const std::u16string url = DesignerUrl(LauncherFolder(), fileName);
    // A designer that is missing or cannot start is the shell's to report, if at all: the
    // launcher stays as it was, so the result is deliberately not looked at.
    ShellExecuteW(nullptr, nullptr, win::Wide(url), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace papyrka::launcher
