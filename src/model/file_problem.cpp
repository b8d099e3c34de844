// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_problem.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileProblem ProblemOf(int errorNumber) {
    return {SystemReason(errorNumber), errorNumber == ENOENT};
}

QString KindOf(mode_t mode) {
    if (S_ISFIFO(mode)) return QStringLiteral("a named pipe");
    if (S_ISCHR(mode)) return QStringLiteral("a character device");
    if (S_ISBLK(mode)) return QStringLiteral("a block device");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    return QStringLiteral("of an unknown kind");
}

FileProblem ProblemOfType(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return ProblemOf(EISDIR);
    return {QStringLiteral("Not a regular file (%1)").arg(KindOf(mode))};
}

} // namespace

QString SystemReason(int errorNumber) {
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(errorNumber, buffer, sizeof buffer));
}

FileProblem RegularFileProblem(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return ProblemOf(errno);
    return ProblemOfType(info.st_mode);
}

FileProblem OpenRegularFile(const QString& path, QFile& file) {
    if (FileProblem problem = RegularFileProblem(path); !problem.none()) return problem;
    // Without blocking: a FIFO put in its place since would otherwise wait for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ProblemOf(errno);
    struct stat info {};
    FileProblem problem = ::fstat(fd, &info) == 0 ? ProblemOfType(info.st_mode) : ProblemOf(errno);
    if (problem.none() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        problem = {file.errorString()};
    if (!problem.none()) ::close(fd);
    return problem;
}

FileProblem OutputProblem(const QString& path) {
    // A name that names nothing yet is free to take.
    const FileProblem problem = RegularFileProblem(path);
    return problem.missing ? FileProblem{} : problem;
}

OwnFileContent ReadOwnFile(const QString& path, qint64 maxBytes) {
    QFile file;
    if (FileProblem problem = OpenRegularFile(path, file); !problem.none()) return {{}, problem};
    if (file.size() > maxBytes) return {{}, ProblemOf(EFBIG)};
    // The file may grow while it is read: the limit holds for what is read.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) return {{}, {file.errorString()}};
    if (bytes.size() > maxBytes) return {{}, ProblemOf(EFBIG)};
    return {bytes, {}};
}
