// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recovery_store.h"

#include "model/file_problem.h"
#include "model/whole_file_write.h"
#include "model/xdg_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kCopySuffix = QStringLiteral(".qdvl");
const QString kNoteSuffix = QStringLiteral(".origin");
const QString kLockSuffix = QStringLiteral(".lock");

QString NotePath(const QString& copyPath) {
    return copyPath.chopped(kCopySuffix.size()) + kNoteSuffix;
}

QString LockPath(const QString& copyPath) {
    return copyPath.chopped(kCopySuffix.size()) + kLockSuffix;
}

std::shared_ptr<QLockFile> LockOf(const QString& copyPath) {
    auto lock = std::make_shared<QLockFile>(LockPath(copyPath));
    // Held for as long as its editor runs: only an owner that died makes it stale, never age.
    lock->setStaleLockTime(0);
    return lock;
}

// The entry itself, never what a symbolic link points to, is of that type and the user's.
bool OwnedByUser(const QString& path, mode_t type, struct stat& info) {
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           (info.st_mode & S_IFMT) == type && info.st_uid == ::geteuid();
}

// Nothing another account could have put there: the folder is the user's and closed to others.
bool PrivateFolder(const QString& folder) {
    struct stat info {};
    return OwnedByUser(folder, S_IFDIR, info) && (info.st_mode & 0777) == S_IRWXU;
}

bool OwnFile(const QString& path) {
    struct stat info {};
    return OwnedByUser(path, S_IFREG, info);
}

Status Failed(const QString& path, int errorNumber) {
    return {StatusCode::WriteFailed, path + QStringLiteral(": ") + SystemReason(errorNumber)};
}

// Makes the folder when missing and closes it to others. A symbolic link is not followed (its
// target may be a folder others share) and another user's folder is not taken over.
Status ClosePrivateFolder(const QString& folder) {
    errno = 0;
    if (!QDir().mkpath(folder)) return Failed(folder, errno);
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Failed(folder, errno);
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (info.st_uid != ::geteuid())
        error = EPERM;
    else if (::fchmod(fd, S_IRWXU) != 0)
        error = errno;
    ::close(fd);
    return error == 0 ? Status::Success() : Failed(folder, error);
}

} // namespace

QString RecoveryFolderFrom(const QProcessEnvironment& environment) {
    return XdgProgramFolder(environment, QStringLiteral("XDG_STATE_HOME"),
                            QStringLiteral(".local/state"), QStringLiteral("recovery"));
}

std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder) {
    std::vector<RecoveryCopy> copies;
    if (!PrivateFolder(folder)) return copies;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString copyPath = dir.filePath(name);
        if (!OwnFile(copyPath) || !OwnFile(NotePath(copyPath))) continue;
        std::shared_ptr<QLockFile> lock = LockOf(copyPath);
        if (!lock->tryLock(0)) continue; // its editor still runs
        // A path, so a few KB at most; a longer note, a FIFO or a device is not ours.
        const OwnFileContent note = ReadOwnFile(NotePath(copyPath), 64 * 1024);
        if (!note.problem.none()) continue;
        copies.push_back({copyPath, QString::fromUtf8(note.bytes), std::move(lock)});
    }
    return copies;
}

RecoveryCopy NewRecoveryCopy(const QString& folder) {
    const QString copyPath = folder + QLatin1Char('/') +
                             QUuid::createUuid().toString(QUuid::WithoutBraces) + kCopySuffix;
    return {copyPath, QString(), LockOf(copyPath)};
}

bool RecoveryFolderIsLink(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

QString RestoredWorkFilePath(const RecoveryCopy& copy) {
    return copy.originalPath.endsWith(kCopySuffix, Qt::CaseInsensitive) ? copy.originalPath
                                                                        : QString();
}

Document RecoverySnapshot(const Document& document) {
    Document table;
    table.settings = document.settings;
    table.grid = document.grid;
    table.commands = document.commands;
    table.workFilePath = document.workFilePath;
    table.extentRight = document.extentRight;
    table.extentBottom = document.extentBottom;
    return table;
}

Status WriteRecoveryCopy(const RecoveryCopy& copy, const QByteArray& workFileBytes) {
    const Status folder = ClosePrivateFolder(QFileInfo(copy.copyPath).absolutePath());
    if (!folder.ok()) return folder;
    if (!copy.lock->isLocked() && !copy.lock->tryLock(0))
        return {StatusCode::WriteFailed,
                LockPath(copy.copyPath) + QStringLiteral(": the lock could not be taken")};
    const Status note =
        WriteWholeFile(NotePath(copy.copyPath), copy.originalPath.toUtf8(), FileAccess::OwnerOnly);
    if (!note.ok()) return note;
    return WriteWholeFile(copy.copyPath, workFileBytes, FileAccess::OwnerOnly);
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
    QFile::remove(copy.copyPath);
    QFile::remove(NotePath(copy.copyPath));
    if (copy.lock) copy.lock->unlock();
}
