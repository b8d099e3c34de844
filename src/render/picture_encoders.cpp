// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture_encoders.h"

#include "render/gif_writer.h"
#include "render/image_format_writer.h"
#include "render/picture_file.h"
#include "render/png_writer.h"
#include "render/webp_writer.h"

#include <QFileInfo>
#include <QImage>

namespace {

constexpr int kJpegQuality = 100;

struct ExtensionType {
    const char* extension;
    const char* mimeType;
};

constexpr ExtensionType kEncoderTable[] = {
    {"png", "image/png"},  {"jpg", "image/jpeg"},  {"jpeg", "image/jpeg"}, {"gif", "image/gif"},
    {"tif", "image/tiff"}, {"tiff", "image/tiff"}, {"bmp", "image/bmp"},   {"webp", "image/webp"},
};

} // namespace

QString MimeTypeForPictureFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    for (const ExtensionType& entry : kEncoderTable) {
        if (extension == QLatin1String(entry.extension)) return QString::fromLatin1(entry.mimeType);
    }
    return {};
}

bool KeepsTransparency(const QString& mimeType) {
    return mimeType == QLatin1String("image/png") || mimeType == QLatin1String("image/webp");
}

QByteArray FindEncoder(const QString& mimeType) {
    const QByteArray wanted = mimeType.toLower().toLatin1();
    if (wanted.isEmpty()) return {};
    // Our own writers need no plugin: asking Qt whether it writes a format loads every image
    // plugin there is, a fifth of a small export's time.
    if (wanted == "image/gif") return kGifEncoder;
    if (wanted == "image/png") return "png";
    if (wanted == "image/webp") return kWebpEncoder;
    // Qt's own list of formats by MIME type would load every image plugin there is; the
    // type's first extension is also the name Qt knows its format by.
    for (const ExtensionType& entry : kEncoderTable) {
        if (wanted != entry.mimeType) continue;
        return CanWriteImageFormat(entry.extension) ? QByteArray(entry.extension) : QByteArray();
    }
    return {};
}

EncoderChoice PictureEncoderFor(const QImage& picture, const QString& fileName) {
    if (picture.isNull())
        return {PictureFileFailure(fileName, QStringLiteral("the picture is empty")), {}};
    const QString mimeType = MimeTypeForPictureFile(fileName);
    if (mimeType.isEmpty()) {
        const QString extension = QFileInfo(fileName).suffix();
        return {PictureFileFailure(fileName,
                                   extension.isEmpty()
                                       ? QStringLiteral("the name has no picture extension")
                                       : QStringLiteral("no picture format has the extension .") +
                                             extension),
                {}};
    }
    const QByteArray encoder = FindEncoder(mimeType);
    if (encoder.isEmpty())
        return {PictureFileFailure(fileName, QStringLiteral("no encoder writes ") + mimeType), {}};

    if (encoder == kGifEncoder)
        return {Status::Success(),
                [picture](QIODevice& device) { return WriteGif(picture, device); }};
    // Qt's PNG writer gives no choice of row filters; ours is twice as fast.
    if (mimeType == QLatin1String("image/png"))
        return {Status::Success(),
                [picture](QIODevice& device) { return WritePng(picture, device); }};
    // Qt's WebP writer holds three copies of the picture and a slow encoder's tables.
    if (encoder == kWebpEncoder)
        return {Status::Success(),
                [picture](QIODevice& device) { return WriteWebp(picture, device); }};
    // Only JPEG has a quality to choose; for the others Qt reads it as a compression level.
    const int quality = mimeType == QLatin1String("image/jpeg") ? kJpegQuality : -1;
    return {Status::Success(), [picture, encoder, quality](QIODevice& device) {
                return WriteImageFormat(picture, encoder, quality, device);
            }};
}

Status SavePictureAsImage(const QImage& picture, const QString& fileName) {
    const EncoderChoice choice = PictureEncoderFor(picture, fileName);
    return choice.status.ok() ? WritePictureFile(fileName, choice.write) : choice.status;
}
