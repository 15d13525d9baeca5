#pragma once
// The string the launcher hands to the shell to start a designer program that lies in its
// own folder: "file://" + folder + "\Name.exe".
#include <string>
#include <string_view>

namespace papyrka::launcher {

// "file://" + folder + fileName, where fileName starts with a backslash ("\Vevuvez.exe").
// A folder given with trailing backslashes loses them first, except a drive root's own, so
// a launcher in C:\ yields file://C:\\Vevuvez.exe, which the shell accepts as it stands.
std::u16string DesignerUrl(std::u16string_view folder, std::u16string_view fileName);

}  // namespace papyrka::launcher
