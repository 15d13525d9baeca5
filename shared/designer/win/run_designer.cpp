#include <string>

#include "base/system_error.h"
#include "designer.h"
#include "win32/dpi.h"
#include "editor_window.h"
#include "win32/message_box.h"

namespace papyrka {

namespace {

std::u16string ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return u".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return win::Utf16(slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash));
}

}  // namespace

int RunDesigner(const Designer& designer) {
    win::EnableDpiAwareness();
    Form3 form(designer, ExecutableFolder());
    if (!form.Open()) {
        const DWORD error = GetLastError();
        win::ShowMessage(nullptr, designer.programTitle,
                         u"Okno programu sa nepodarilo otvoriť: " + SystemErrorText(error) + u".");
        return 1;
    }
    return win::RunMessageLoop();
}

}  // namespace papyrka
