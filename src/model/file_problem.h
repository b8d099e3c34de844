// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Why a file cannot be read, in the system's words ("Is a directory", "Too many levels of
// symbolic links", "Not a regular file (a named pipe)" ...). `missing` marks a name that
// names nothing.
struct FileProblem {
    QString reason;
    bool missing = false;

    bool none() const { return reason.isEmpty(); }
};

// The system's words for an error number, such as "No space left on device".
QString SystemReason(int errorNumber);

// What keeps `path` from being read as a regular file; none when it is one.
FileProblem RegularFileProblem(const QString& path);

// Opens `path` (links followed) for reading into `file` when it is a regular file. Anything
// else is refused with its reason before it is opened, and a FIFO or device swapped in
// meanwhile is refused after an open that cannot wait on it.
FileProblem OpenRegularFile(const QString& path, QFile& file);

// What keeps a new file from taking the place of `path` (links followed): something there
// that is not a regular file, such as a FIFO or a device node. None when nothing is there.
FileProblem OutputProblem(const QString& path);

// The program's own files (settings, palette) are small.
inline constexpr qint64 kOwnFileMaxBytes = 1024 * 1024;

struct OwnFileContent {
    QByteArray bytes;
    FileProblem problem;
};

// The bytes of a regular file of at most `maxBytes`; anything else (a FIFO, a device, a
// folder, a larger file) is refused with its reason, without waiting on it or reading it.
OwnFileContent ReadOwnFile(const QString& path, qint64 maxBytes = kOwnFileMaxBytes);
