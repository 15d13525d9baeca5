#include <windows.h>

#include "designer/win/designer.h"
#include "designers/kuvertex/kuvertex.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::kuvertex::KuvertexDesigner()); }
