#include <windows.h>

#include "designer/win/designer.h"
#include "designers/zozuraz/zozuraz.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::zozuraz::ZozurazDesigner()); }
