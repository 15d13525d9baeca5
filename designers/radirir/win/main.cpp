#include <windows.h>

#include "designer/win/designer.h"
#include "designers/radirir/radirir.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::radirir::RadirirDesigner()); }
