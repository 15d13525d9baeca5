#pragma once
// Where the running program's .exe lies: the designers keep their record files there and
// the launcher finds the designers there.
#include <string>

namespace papyrka::win {

// The folder as Windows writes it (a drive root keeps its backslash); empty when the system
// cannot tell.
std::u16string ProgramFolder();

}  // namespace papyrka::win
