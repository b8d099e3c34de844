// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_image.h"

#include "render/colour.h"
#include "render/drawing_surface.h"
#include "render/message_sink.h"
#include "render/picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// A picture is never larger than this on a side: a table picture is 1122 pixels, so only a
// corrupt cell rectangle asks for more, and it must not exhaust memory.
constexpr int kMaxPictureSide = 8 * kPictureSize;

// Pixels per unit of the fitted size: the asked detail, or for 0 as many as the image has up
// to the vector detail, never fewer than one and never past the largest picture.
double PictureScale(QSize image, QSize fitted, double detail) {
    if (detail > 0) return detail;
    const double own = std::max(
        {1.0, double(image.width()) / fitted.width(), double(image.height()) / fitted.height()});
    return std::min(
        {own, kVectorDetail, double(kMaxPictureSide) / std::max(fitted.width(), fitted.height())});
}

} // namespace

const QImage& ImageFileCache::Decode(const QString& path) {
    auto found = images_.find(path);
    if (found != images_.end()) return *found;
    QImageReader reader(path);
    return *images_.insert(path, reader.read());
}

ImageSpec ParseImageSpec(const QString& imageSpec) {
    const qsizetype star = imageSpec.indexOf(u'*');
    if (star < 0) return {imageSpec.trimmed(), 0};
    // The colour reads like a C integer: leading digits, anything after them ignored.
    const QString number = imageSpec.mid(star + 1).trimmed();
    qsizetype end = number.startsWith(u'-') || number.startsWith(u'+') ? 1 : 0;
    while (end < number.size() && number[end].isDigit())
        ++end;
    return {imageSpec.left(star).trimmed(), int32_t(number.left(end).toLongLong())};
}

bool FileExists(const QString& path) {
    const QString trimmed = path.trimmed();
    return !trimmed.isEmpty() && QFileInfo(trimmed).isFile();
}

QString LocateCellFile(const QString& path, const QString& workFileFolder) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty() || workFileFolder.isEmpty() || QFileInfo(trimmed).isAbsolute())
        return trimmed;
    const QString beside = QDir(workFileFolder).filePath(trimmed);
    return QFileInfo(beside).isFile() ? beside : trimmed;
}

QString WorkFileFolder(const QString& workFilePath) {
    const QString trimmed = workFilePath.trimmed();
    return trimmed.isEmpty() ? QString() : QFileInfo(trimmed).absolutePath();
}

QSize FittedImageSize(QSizeF image, QSize box, bool keepAspect) {
    const double imageWidth = image.width(), imageHeight = image.height();
    double width = box.width() == 0 ? imageWidth : box.width();
    double height = box.height() == 0 ? imageHeight : box.height();
    if (keepAspect) {
        if (imageWidth / width > imageHeight / height) {
            if (width < imageWidth) height = std::round(imageHeight / (imageWidth / width));
        } else if (height < imageHeight) {
            width = std::round(imageWidth / (imageHeight / height));
        }
    }
    return {int(width), int(height)};
}

QImage LoadImageToPicture(const QString& path, int32_t background, int width, int height,
                          bool keepAspect, ImageFileCache& files, MessageSink& messages,
                          double detail) {
    if (keepAspect && width == 0 && height == 0) return {};
    if (width < 0 || height < 0) return {};
    if (!FileExists(path)) {
        messages.ShowMessage(QStringLiteral("[GraphicLoadImageFileToBitmap] called on <") + path +
                             QStringLiteral("> Missing file"));
        return {};
    }
    const QImage& image = files.Decode(path.trimmed());
    if (image.isNull()) {
        messages.ShowMessage(
            QStringLiteral(
                "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <") +
            path + QStringLiteral(">"));
        return {};
    }
    const QSize fitted = FittedImageSize(image.size(), {width, height}, keepAspect);
    if (fitted.width() <= 0 || fitted.height() <= 0) return {};
    const double scale = PictureScale(image.size(), fitted, detail);
    const QSize size = scale == 1 ? fitted : (QSizeF(fitted) * scale).toSize();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
    const QString key = QStringLiteral("%1 %2 %3 %4 ")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(scale)
                            .arg(background) +
                        path.trimmed();
    const QImage made = files.Picture(key);
    if (!made.isNull()) return made;
    QImage picture = MakePicture(size.width(), size.height(), background);
    if (picture.isNull()) return {};
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, size.width(), size.height()), image,
                      QRectF(0, 0, image.width(), image.height()));
    painter.end();
    picture.setDevicePixelRatio(scale);
    files.KeepPicture(key, picture);
    return picture;
}

QImage LoadCellImage(const QString& path, int width, int height, int32_t background,
                     ImageFileCache& files, MessageSink& messages, double detail) {
    return LoadImageToPicture(path, background, width, height, true, files, messages, detail);
}

std::optional<ImageBoxRule> ImageBoxFor(int lineThickness) {
    switch (lineThickness) {
    case 1:
        return ImageBoxRule{1, 2};
    case 2:
        return ImageBoxRule{1, 3};
    case 3:
        return ImageBoxRule{2, 4};
    case 4:
        return ImageBoxRule{2, 5};
    case 5:
        return ImageBoxRule{3, 6};
    default:
        return std::nullopt;
    }
}
