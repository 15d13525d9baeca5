#pragma once
// How many GDI objects this process holds, for leak tests. Wine's GetGuiResources is a stub
// that always answers 0, which would let every leak test pass; there the live entries of
// the process's GDI handle table are counted instead.
#include <windows.h>

namespace papyrka::test {

DWORD GdiObjectCount();

}  // namespace papyrka::test
