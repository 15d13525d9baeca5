#pragma once
// What every program of the suite does first in its entry.
namespace papyrka::win {

// DLLs load from the system folder only, never from the program's or the current folder (a
// planted DLL beside a downloaded .exe); DPI awareness where the manifest did not set it.
void StartProgram();

}  // namespace papyrka::win
