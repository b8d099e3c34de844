// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/whole_file_write.h"

#include "model/file_problem.h"

#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt leaves a short write unexplained ("Unknown error", no error code); the system's error
// number then says why, such as "No space left on device".
Status Failed(const QString& path, const QSaveFile& file, int errorNumber) {
    const QString reason = file.error() == QFileDevice::NoError && errorNumber != 0
                               ? SystemReason(errorNumber)
                               : file.errorString();
    return {StatusCode::WriteFailed, path + QStringLiteral(": ") + reason};
}

} // namespace

Status RefusedOutput(const QString& path) {
    const FileProblem problem = OutputProblem(path);
    return problem.none()
               ? Status::Success()
               : Status{StatusCode::WriteFailed, path + QStringLiteral(": ") + problem.reason};
}

// Unbuffered, so that every byte the disk refuses shows in write()'s count: a buffered
// QSaveFile flushes small files only in commit(), which then replaces the old file with the
// cut one and reports success. The sync brings out what the disk refuses later.
Status WriteWholeFileInChunks(const QString& path, qint64 expectedSize,
                              const ChunkProducer& produce, FileAccess access) {
    // The new file would take the place of a FIFO or a device node, not write into it.
    if (const Status refused = RefusedOutput(path); !refused.ok()) return refused;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Failed(path, file, errno);
    // On the temporary file, before any byte is in it; the rename keeps the mode.
    if (access == FileAccess::OwnerOnly && ::fchmod(file.handle(), 0600) != 0)
        return Failed(path, file, errno);
    // Room taken in one piece: a full disk is known before anything is written, and the
    // writes need no block allocation of their own (a fifth less processor time for a 41 MB
    // file on ext4). The size stays as written; a file system without this goes on without it.
    if (expectedSize > 0 &&
        ::fallocate(file.handle(), FALLOC_FL_KEEP_SIZE, 0, off_t(expectedSize)) != 0 &&
        errno == ENOSPC)
        return Failed(path, file, errno);
    int writeError = 0;
    const bool written = produce([&file, &writeError](const char* data, qsizetype size) {
        errno = 0;
        if (file.write(data, size) == size) return true;
        writeError = errno;
        return false;
    });
    if (!written) return Failed(path, file, writeError);
    if (::fsync(file.handle()) != 0) return Failed(path, file, errno);
    // Again at the last moment: one may have been put there while the file was written.
    if (const Status refused = RefusedOutput(path); !refused.ok()) return refused;
    errno = 0;
    if (!file.commit()) return Failed(path, file, errno);
    return Status::Success();
}

Status WriteWholeFile(const QString& path, const QByteArray& bytes, FileAccess access) {
    return WriteWholeFileInChunks(
        path, bytes.size(),
        [&bytes](const ChunkWriter& write) { return write(bytes.constData(), bytes.size()); },
        access);
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}
