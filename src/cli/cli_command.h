// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Exit codes of quadrivel-cli.
enum CliExit {
    kExitSuccess = 0,
    kExitInputUnreadable = 1,
    kExitUsage = 2,
    kExitNotATable = 3,
    kExitProtected = 4,
    kExitOutputNotWritten = 5,
};

struct CliResult {
    int exitCode = kExitSuccess;
    QByteArray out;       // what goes to stdout
    QString error;        // one line for stderr, empty on success
    QStringList messages; // what the editor would have shown in message boxes while drawing
};

// What the command reads besides its arguments.
struct CliEnvironment {
    QString settingsPath;     // the editor's settings file; empty or missing: defaults
    QString passwordVariable; // QUADRIVEL_PASSWORD, used when no password option is given
    QString stylesFolder;     // the user's own table styles; empty: none
};

// A failed command: its exit code and the line for stderr.
CliResult Failure(int exitCode, const QString& message);
// The exit code of a failed load or save.
int ExitCodeFor(StatusCode code);

// Runs one quadrivel-cli command; arguments exclude the program name. The decimals and the
// character set not given on the command line come from the settings file.
CliResult RunCli(const QStringList& arguments, const CliEnvironment& environment = {});
