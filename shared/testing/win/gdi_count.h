#pragma once
// GDI objects this process holds, for leak tests; Wine's GetGuiResources says 0, so its handle table is counted.
#include <windows.h>

namespace papyrka::test {

inline DWORD GdiObjectCount() {
    if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return reported;
    DWORD live = 0;   // a handle with a high word of 0 names its slot, whatever lives there now
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return live;
}

}  // namespace papyrka::test
