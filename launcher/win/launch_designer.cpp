#include "launcher/win/launch_designer.h"

#include <windows.h>
#include <shellapi.h>

#include "base/system_error.h"
#include "base/unique_handle.h"
#include "launcher/designer_url.h"
#include "win32/message_box.h"
#include "win32/program_folder.h"
#include "win32/wide.h"

namespace papyrka::launcher {

namespace {

struct CloseFile {
    void operator()(HANDLE file) const { CloseHandle(file); }
};

// Whether the file can be opened for reading; where not, the system's reason is the last error.
bool Readable(const std::u16string& path) {
    const HANDLE file = CreateFileW(win::Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    UniqueHandle<HANDLE, CloseFile> owned(file);
    return true;
}

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
    const std::u16string path = url.substr(std::u16string_view(u"file://").size());
    auto refuse = [&] {
        win::ShowMessage(nullptr, u"Papyrka",
                         u"Program \u201E" + path + u"\u201C sa nedá spustiť: " + SystemErrorText(GetLastError()) + u".");
    };
    // The shell says nothing, or only something vague, about a file that is missing or
    // cannot be read, so the launcher looks first.
    if (!Readable(path)) return refuse();
    if (reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, nullptr, win::Wide(url), nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
        refuse();
}

}  // namespace papyrka::launcher
