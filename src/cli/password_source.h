// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The password as read from a file, or why it could not be read.
struct PasswordRead {
    QString password;
    QString problem; // the file and the reason; empty when read
};

// The first line of the file without its line end; "-" reads standard input. A pipe or a
// terminal is waited on: the caller named it as the password's source.
PasswordRead ReadPasswordFile(const QString& path);

// The password of --password (`given`), else of --password-file (`file`), else of the
// environment (`variable`); the command line keeps a password out of the process list only
// through the last two.
PasswordRead ChosenPassword(const QString& given, const QString& file, const QString& variable);
