// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

// One finished child process: its own processor time (user + system, which on a busy machine
// says more than the wall time) and its own peak memory.
struct ChildRun {
    bool succeeded = false;
    double processorMs = 0;
    double peakMiB = 0;
};

// Runs `program` with `arguments` to its end, its output thrown away.
inline ChildRun RunChild(const QString& program, const QStringList& arguments) {
    std::vector<std::string> words{program.toStdString()};
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildRun run;
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return run;
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.processorMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return run;
}
