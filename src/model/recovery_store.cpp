#include "model/recovery_store.h"

#include "model/file_problem.h"
#include "model/whole_file_write.h"
#include "model/xdg_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>

namespace {

const QString kCopySuffix = QStringLiteral(".qdvl");
const QString kNoteSuffix = QStringLiteral(".origin");

QString NotePath(const QString& copyPath) {
    return copyPath.chopped(kCopySuffix.size()) + kNoteSuffix;
}

} // namespace

QString RecoveryFolderFrom(const QProcessEnvironment& environment) {
    return XdgProgramFolder(environment, QStringLiteral("XDG_STATE_HOME"),
                            QStringLiteral(".local/state"), QStringLiteral("recovery"));
}

std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder) {
    std::vector<RecoveryCopy> copies;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString copyPath = dir.filePath(name);
        // A path, so a few KB at most; a longer note, a FIFO or a device is not ours.
        const OwnFileContent note = ReadOwnFile(NotePath(copyPath), 64 * 1024);
        if (!note.problem.none()) continue;
        copies.push_back({copyPath, QString::fromUtf8(note.bytes)});
    }
    return copies;
}

QString NewRecoveryCopyPath(const QString& folder) {
    return folder + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces) +
           kCopySuffix;
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
    const QString folder = QFileInfo(copy.copyPath).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder))
        return {StatusCode::WriteFailed, folder + QStringLiteral(": ") + SystemReason(errno)};
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const Status note =
        WriteWholeFile(NotePath(copy.copyPath), copy.originalPath.toUtf8(), FileAccess::OwnerOnly);
    if (!note.ok()) return note;
    return WriteWholeFile(copy.copyPath, workFileBytes, FileAccess::OwnerOnly);
}

void RemoveRecoveryCopy(const QString& copyPath) {
    QFile::remove(copyPath);
    QFile::remove(NotePath(copyPath));
}
