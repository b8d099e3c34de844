#pragma once

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
    QByteArray out; // what goes to stdout
    QString error;  // one line for stderr, empty on success
};

// Runs one quadrivel-cli command; arguments exclude the program name.
CliResult RunCli(const QStringList& arguments);
