#include "testing/win/gdi_count.h"

namespace papyrka::test {

DWORD GdiObjectCount() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return reported;
    // Wine finds a handle's table entry by its low word when the high word is 0, so each
    // index names its slot, whatever generation the object there has.
    DWORD live = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
    return live;
}

}  // namespace papyrka::test
