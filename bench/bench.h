#pragma once
// A minimal harness: a monotonic clock, a best-of-N timer and one printed line
// per figure, "name: value unit (detail)".
#include <windows.h>

#include <cstdio>
#include <string>

namespace bench {

inline double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// The fastest of `runs` timings of `work()`: the least disturbed by the rest of the machine.
template <typename Work>
double BestOf(int runs, Work&& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = Seconds();
        work();
        const double elapsed = Seconds() - start;
        if (elapsed < best)
            best = elapsed;
    }
    return best;
}

// The folder of the running benchmark, with its trailing separator.
inline std::wstring ExeFolder() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring path(exe);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

inline void Report(const char* name, double value, const char* unit, const char* detail) {
    std::printf("%s: %.3f %s (%s)\n", name, value, unit, detail);
    std::fflush(stdout);
}

}  // namespace bench
