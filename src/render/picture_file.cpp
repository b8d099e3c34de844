#include "render/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>

QString WritePictureTo(QIODevice& device, const PictureWriter& write) {
    QByteArray bytes;
    QBuffer memory(&bytes);
    memory.open(QIODevice::WriteOnly);
    const QString reason = write(memory);
    if (!reason.isEmpty()) return reason;
    if (bytes.isEmpty()) return QStringLiteral("the encoder wrote nothing");
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return device.errorString();
        done += written;
    }
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (file && (!file->flush() || file->error() != QFileDevice::NoError))
        return file->errorString();
    return {};
}

Status PictureFileFailure(const QString& path, const QString& reason) {
    return {StatusCode::WriteFailed, path + QStringLiteral(": ") + reason};
}

Status WritePictureFile(const QString& path, const PictureWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return PictureFileFailure(path, file.errorString());
    const QString reason = WritePictureTo(file, write);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return PictureFileFailure(path, reason);
    }
    if (!file.commit()) return PictureFileFailure(path, file.errorString());
    return Status::Success();
}

bool IsSameFile(const QString& first, const QString& second) {
    struct stat a {};
    struct stat b {};
    return stat(QFile::encodeName(first).constData(), &a) == 0 &&
           stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}
