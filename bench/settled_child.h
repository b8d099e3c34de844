// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "child_run.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>

// A program that does not end by itself (the editor), watched from its start until it settles:
// its processor time (every thread's, user + system), the wall time to its last work, and its
// peak resident memory.
struct SettledRun {
    bool settled = false;
    double processorMs = 0;
    double wallMs = 0;
    double peakMiB = 0;
};

// Nanoseconds every thread of `pid` has run, from the scheduler's own count.
inline double ProcessRunNs(pid_t pid) {
    double total = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
        if (stat.open(QIODevice::ReadOnly)) total += stat.readAll().split(' ').value(0).toDouble();
    }
    return total;
}

inline double PeakResidentMiB(pid_t pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Starts `program` with `arguments` and `environment` (NAME=VALUE each), output thrown away;
// settled once it has not run for `quiet`; killed then, or after `limit`.
inline SettledRun RunUntilSettled(const QString& program, const QStringList& arguments,
                                  const QStringList& environment,
                                  std::chrono::milliseconds quiet = std::chrono::milliseconds(300),
                                  std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    SettledRun run;
    const pid_t child = SpawnQuiet(program, arguments, &environment);
    if (child == 0) return run;

    double ranNs = 0;
    Clock::time_point lastWork = start;
    for (Clock::time_point now = start; now - start < limit; now = Clock::now()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (waitpid(child, nullptr, WNOHANG) == child) return run; // it ended: not a settled window
        const double ns = ProcessRunNs(child);
        now = Clock::now();
        // Half a millisecond of slack: an idle event loop still wakes now and then.
        if (ns > ranNs + 5e5) {
            ranNs = ns;
            lastWork = now;
        } else if (now - lastWork >= quiet) {
            run.settled = true;
            break;
        }
    }
    run.processorMs = ProcessRunNs(child) / 1e6;
    run.wallMs = std::chrono::duration<double, std::milli>(lastWork - start).count();
    run.peakMiB = PeakResidentMiB(child);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return run;
}
