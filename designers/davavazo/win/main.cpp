#include <windows.h>

#include "davavazo_designer.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return papyrka::RunDesigner(papyrka::davavazo::DavavazoDesigner()); }
