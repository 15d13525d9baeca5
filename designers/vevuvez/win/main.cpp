#include <windows.h>

#include "designer/win/designer.h"
#include "vevuvez_designer.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::vevuvez::VevuvezDesigner()); }
