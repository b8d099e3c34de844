#include "render/picture_file.h"

#include <QSaveFile>

Status PictureFileFailure(const QString& path, const QString& reason) {
    return {StatusCode::WriteFailed, path + QStringLiteral(": ") + reason};
}

Status WritePictureFile(const QString& path, const PictureWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return PictureFileFailure(path, file.errorString());
    const QString reason = write(file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return PictureFileFailure(path, reason);
    }
    if (!file.commit()) return PictureFileFailure(path, file.errorString());
    return Status::Success();
}
