#pragma once

// Google Benchmark is not among the packages that can be cross-built here,
// so the Windows benches time their own repetitions and report the median.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double MedianMilliseconds(int repetitions, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
    return times[static_cast<std::size_t>(repetitions / 2)];
}
