// Papyrka, the suite's tray launcher.
#include <windows.h>
#include <objbase.h>

#include "win32/program_start.h"
#include "launcher/win/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    papyrka::win::StartProgram();
    // The shell may hand a file URL to extensions that need COM on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 1;
    {
        papyrka::launcher::Form1 form1;
        if (form1.Load()) exitCode = papyrka::win::RunMessageLoop();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
