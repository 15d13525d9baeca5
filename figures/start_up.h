#pragma once
// How long a program takes from its start to its first painted window, measured from
// outside as a user sees it: a separate process each time.
#include <string>

namespace papyrka::figures {

// Starts `program` in its own folder, waits until a visible top-level window of it is
// painted and its thread is back in its message loop, then ends it without letting it save.
// The milliseconds from the start, or -1 when it failed or took longer than `limitMs`.
double StartUpMs(const std::wstring& program, double limitMs);

}  // namespace papyrka::figures
