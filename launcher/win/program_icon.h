#pragma once
// The program icon as a Windows icon handle, made at run time from the same geometry that
// the build step writes into the .exe.
#include <windows.h>

#include "win32/gdi.h"

namespace papyrka::launcher {

using Icon = win::Icon;

// The walking figure at `size` x `size` pixels in 16 colours; empty when the system refuses.
Icon MakeProgramIcon(int size);

}  // namespace papyrka::launcher
