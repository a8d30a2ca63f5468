#pragma once

#include <algorithm>
#include <chrono>

// The best of `runs` timings of `work`, in seconds: the run least disturbed by the rest of
// the machine. `after` runs after each timing, untimed (closing what `work` opened, say).
template <typename Work, typename After> double BestOf(int runs, Work work, After after) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        after();
    }
    return best;
}

template <typename Work> double BestOf(int runs, Work work) {
    return BestOf(runs, work, [] {});
}
