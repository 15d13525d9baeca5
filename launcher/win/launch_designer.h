#pragma once
// Starts a designer program that lies in the launcher's own folder, through the shell.
#include <string>
#include <string_view>

namespace papyrka::launcher {

// fileName starts with a backslash: "\Vevuvez.exe". The shell gets "file://" + folder +
// fileName with its default verb; the launcher does not wait. A file that is missing or
// cannot be read, or that the shell refuses, is named in a message box with the reason.
void LaunchDesigner(std::u16string_view fileName);

// The folder of the running executable, as the system reports it.
std::u16string LauncherFolder();

// Tests start designers from a folder of their own; an empty folder restores the real one.
void SetLaunchFolderForTests(std::u16string folder);

}  // namespace papyrka::launcher
