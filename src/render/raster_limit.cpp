// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/raster_limit.h"

int LargestPictureSide(const QString& mimeType) {
    return mimeType == QLatin1String("image/webp") ? kLargestWebpSide : kLargestPictureSide;
}

bool PictureFits(QSize size, int largestSide) {
    return size.width() <= largestSide && size.height() <= largestSide &&
           qint64(size.width()) * size.height() <= kMostPicturePixels;
}

QString PictureSizeProblem(QSize size, int largestSide) {
    if (PictureFits(size, largestSide)) return {};
    const QString wanted =
        QStringLiteral("the picture would be %1 x %2 pixels").arg(size.width()).arg(size.height());
    if (size.width() > largestSide || size.height() > largestSide)
        return wanted + QStringLiteral(", more than the %1 pixels a side this format allows")
                            .arg(largestSide);
    return wanted + QStringLiteral(", more than the %1 pixels in all a picture may have")
                        .arg(kMostPicturePixels);
}
