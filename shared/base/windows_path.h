#pragma once
// Folders as Windows writes them, handled as plain text so that the rules are tested natively.
#include <string>
#include <string_view>

namespace papyrka {

// The folder without trailing backslashes, except a drive root, which keeps its own ("C:\").
std::u16string_view WithoutTrailingBackslash(std::u16string_view folder);

// The folder of a file's full path, written as above; empty for a bare file name.
std::u16string FolderOfPath(std::u16string_view path);

}  // namespace papyrka
