#include <windows.h>

#include "designer/win/designer.h"
#include "designers/kryton/kryton.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::kryton::KrytonDesigner()); }
