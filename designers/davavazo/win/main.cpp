#include <windows.h>

#include "designer/win/designer.h"
#include "designers/davavazo/davavazo.h"
#include "designers/davavazo/win/print_list.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return papyrka::RunDesigner(papyrka::davavazo::DavavazoDesigner(), &papyrka::davavazo::PrintContactList);
}
