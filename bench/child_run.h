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

// Starts `program` with `arguments`, its output thrown away, in `environment` (NAME=VALUE
// each) when given, else in this process's own. 0 when it did not start.
inline pid_t SpawnQuiet(const QString& program, const QStringList& arguments,
                        const QStringList* environment = nullptr) {
    const auto words = [](const QStringList& texts) {
        std::vector<std::string> out;
        for (const QString& text : texts)
            out.push_back(text.toStdString());
        return out;
    };
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> out;
        for (std::string& text : texts)
            out.push_back(text.data());
        out.push_back(nullptr);
        return out;
    };
    std::vector<std::string> command = words(QStringList{program} + arguments);
    std::vector<std::string> settings =
        environment ? words(*environment) : std::vector<std::string>{};
    std::vector<char*> argv = pointers(command);
    std::vector<char*> envp = pointers(settings);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(),
                                    environment ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? child : 0;
}

// Runs `program` with `arguments` to its end, its output thrown away.
inline ChildRun RunChild(const QString& program, const QStringList& arguments) {
    ChildRun run;
    const pid_t child = SpawnQuiet(program, arguments);
    if (child == 0) return run;
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
