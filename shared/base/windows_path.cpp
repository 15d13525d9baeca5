#include "base/windows_path.h"

namespace papyrka {

namespace {

bool IsDriveRoot(std::u16string_view folder) {
    if (folder.size() != 3 || folder[1] != u':' || folder[2] != u'\\') return false;
    const char16_t drive = folder[0];
    return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
}

}  // namespace

std::u16string_view WithoutTrailingBackslash(std::u16string_view folder) {
    while (!folder.empty() && folder.back() == u'\\' && !IsDriveRoot(folder)) folder.remove_suffix(1);
    return folder;
}

std::u16string FolderOfPath(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'\\');
    if (slash == std::u16string_view::npos) return std::u16string();
    return std::u16string(WithoutTrailingBackslash(path.substr(0, slash + 1)));
}

}  // namespace papyrka
