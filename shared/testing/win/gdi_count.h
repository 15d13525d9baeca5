#pragma once
// How many GDI objects this process holds, for leak tests. Wine's GetGuiResources always
// answers 0, which would let every leak test pass; there the live entries of the process's
// GDI handle table are counted: with a high word of 0, a handle names its table slot.
#include <windows.h>

namespace papyrka::test {

inline DWORD GdiObjectCount() {
    if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return reported;
    DWORD live = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return live;
}

}  // namespace papyrka::test
