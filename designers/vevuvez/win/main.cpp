#include <windows.h>

#include "designer/win/designer.h"
#include "designers/vevuvez/vevuvez.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::vevuvez::VevuvezDesigner()); }
