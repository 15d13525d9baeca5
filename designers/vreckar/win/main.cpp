#include <windows.h>

#include "designer/win/designer.h"
#include "designers/vreckar/vreckar.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::vreckar::VreckarDesigner()); }
