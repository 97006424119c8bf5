#pragma once

// What the GUI benchmarks share: the clock, the rounds and their median, and the common
// controls the reader's windows are made of.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <vector>

constexpr int Rounds = 5;

inline double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

inline void StartCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}
