// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture_file.h"

#include "model/file_problem.h"
#include "model/whole_file_write.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>

namespace {

// A buffered file that the system took only part of leaves Qt without an error code
// ("Unknown error"); the system's error number then says why, such as "File too large".
QString FailureReason(const QIODevice& device, int errorNumber) {
    return errorNumber != 0 ? SystemReason(errorNumber) : device.errorString();
}

// Hands every write on to `target` whole and keeps the first failure, which not every encoder
// checks (Qt's JPEG writer ignores a short write). Seeks go through as well, for encoders that
// come back to fill in a header (TIFF).
class CheckedWrites final : public QIODevice {
public:
    explicit CheckedWrites(QIODevice& target) : target_(target) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return target_.isSequential(); }
    bool seek(qint64 position) override {
        return QIODevice::seek(position) && target_.seek(position);
    }
    qint64 size() const override { return target_.size(); }
    const QString& failure() const { return failure_; }
    bool wroteNothing() const { return written_ == 0; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (!failure_.isEmpty()) return -1;
        for (qint64 done = 0; done < length;) {
            errno = 0;
            const qint64 count = target_.write(data + done, length - done);
            if (count <= 0) {
                failure_ = FailureReason(target_, errno);
                return -1;
            }
            done += count;
        }
        written_ += length;
        return length;
    }

private:
    QIODevice& target_;
    QString failure_;
    qint64 written_ = 0;
};

} // namespace

QString WritePictureTo(QIODevice& device, const PictureWriter& write) {
    CheckedWrites checked(device);
    const QString reason = write(checked);
    // A failed write explains an encoder's failure better than the encoder does.
    if (!checked.failure().isEmpty()) return checked.failure();
    if (!reason.isEmpty()) return reason;
    if (checked.wroteNothing()) return QStringLiteral("the encoder wrote nothing");
    auto* file = qobject_cast<QFileDevice*>(&device);
    errno = 0;
    if (file && !file->flush()) return FailureReason(*file, errno);
    if (file && file->error() != QFileDevice::NoError) return file->errorString();
    return {};
}

Status PictureFileFailure(const QString& path, const QString& reason) {
    return {StatusCode::WriteFailed, path + QStringLiteral(": ") + reason};
}

Status WritePictureFile(const QString& path, const PictureWriter& write) {
    // The new file would take the place of a FIFO or a device node, not write into it.
    if (const Status refused = RefusedOutput(path); !refused.ok()) return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return PictureFileFailure(path, file.errorString());
    const QString reason = WritePictureTo(file, write);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return PictureFileFailure(path, reason);
    }
    // Again at the last moment: one may have been put there while the picture was encoded.
    if (const Status refused = RefusedOutput(path); !refused.ok()) {
        file.cancelWriting();
        return refused;
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
