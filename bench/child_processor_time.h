#pragma once

#include <sys/resource.h>

// Processor time of the finished child processes, in milliseconds: on a busy machine it says
// more than the wall time.
inline double ChildProcessorMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}
