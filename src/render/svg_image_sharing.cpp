// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg_image_sharing.h"

#include "render/png_writer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>

QString SvgImageSharing::Append(QByteArray& out, const QImage& picture, int x, int y) {
    const auto sameImage = byImage_.constFind(picture.cacheKey());
    if (sameImage != byImage_.constEnd()) {
        AppendUse(out, *sameImage, x, y);
        return {};
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    const QString failure = WritePng(picture, png);
    if (!failure.isEmpty()) return failure;
    const QSizeF size = picture.deviceIndependentSize();
    const QByteArray width = QByteArray::number(size.width(), 'g', 10);
    const QByteArray height = QByteArray::number(size.height(), 'g', 10);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    digest.addData(png.data());
    digest.addData(width + ' ' + height);
    const QByteArray key = digest.result();
    const auto sameContent = byContent_.constFind(key);
    if (sameContent != byContent_.constEnd()) {
        byImage_.insert(picture.cacheKey(), *sameContent);
        AppendUse(out, *sameContent, x, y);
        return {};
    }
    const Shown first{"picture" + QByteArray::number(byContent_.size() + 1), x, y};
    byContent_.insert(key, first);
    byImage_.insert(picture.cacheKey(), first);
    out.append("<image id=\"" + first.id + "\" x=\"" + QByteArray::number(x) + "\" y=\"" +
               QByteArray::number(y) + "\" width=\"" + width + "\" height=\"" + height +
               "\" xlink:href=\"data:image/png;base64,");
    out.append(png.data().toBase64());
    out.append("\"/>\n");
    return {};
}

void SvgImageSharing::AppendUse(QByteArray& out, const Shown& shown, int x, int y) const {
    out.append("<use xlink:href=\"#" + shown.id + "\" x=\"" + QByteArray::number(x - shown.x) +
               "\" y=\"" + QByteArray::number(y - shown.y) + "\"/>\n");
}
