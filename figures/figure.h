#pragma once
// A figure: a time beside its plain baseline from the same run, as one line of the table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace papyrka::figures {

inline double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Milliseconds of each of `rounds` calls; a call that fails gives -1 and ends the rounds.
inline std::vector<double> Times(int rounds, const std::function<bool()>& once) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double start = Now();
        if (!once()) return {-1};
        times.push_back(Now() - start);
    }
    return times;
}

inline void Heading(const char* text) { std::printf("\n%s\n", text); }

// `goal` says what the ratio should reach, e.g. "<= 1.15x", or what the time should; "" for none.
inline void Row(const char* what, double ms, const char* baseline, double baselineMs, const char* goal) {
    if (ms < 0 || baselineMs <= 0)
        std::printf("  %-46s   failed\n", what);
    else
        std::printf("  %-46s %9.1f ms  %-24s %9.1f ms  %6.2fx%s%s\n", what, ms, baseline, baselineMs,
                    ms / baselineMs, *goal ? "  goal " : "", goal);
    std::fflush(stdout);
}

}  // namespace papyrka::figures
