// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

// Processor time (user + system) the calling thread has used, in milliseconds: on a machine
// shared with other work it says more than the wall time.
inline double ThreadProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The smallest processor time of one run of `work` over the benchmark's iterations: the run
// least disturbed by the rest of the machine.
template <typename Work> double FastestRunMs(benchmark::State& state, Work work) {
    double fastest = 1e300;
    for (auto _ : state) {
        const double start = ThreadProcessorMs();
        work();
        const double spent = ThreadProcessorMs() - start;
        if (spent < fastest) fastest = spent;
    }
    return fastest;
}

// Prints a figure and its goal side by side in the benchmark's line.
inline void ReportAgainstGoal(benchmark::State& state, const std::string& name, double figure,
                              double goal) {
    state.counters[name] = figure;
    state.counters[name + "_goal"] = goal;
}
