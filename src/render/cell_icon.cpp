// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_icon.h"

#include "render/drawing_surface.h"

#include <QImageReader>
#include <cmath>
#include <cstdlib>

namespace {

// How far an icon image's size is from the wanted one; among equally close images the
// larger wins, since scaling down looks better than scaling up.
bool Closer(QSize candidate, QSize best, int side) {
    const auto distance = [side](QSize size) {
        return std::abs(size.width() - side) + std::abs(size.height() - side);
    };
    if (distance(candidate) != distance(best)) return distance(candidate) < distance(best);
    return candidate.width() * candidate.height() > best.width() * best.height();
}

} // namespace

QImage LoadIcon(const QString& path, int side) {
    QImageReader reader(path.trimmed(), "ico");
    const int count = reader.imageCount();
    if (count <= 0) return {};
    int bestIndex = 0;
    QSize bestSize;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) continue;
        const QSize size = reader.size();
        if (!size.isValid()) continue;
        if (!bestSize.isValid() || Closer(size, bestSize, side)) {
            bestIndex = i;
            bestSize = size;
        }
    }
    if (!reader.jumpToImage(bestIndex)) return {};
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const QImage& IconFileCache::Icon(const QString& path, double detail) {
    auto found = icons_.find(path);
    if (found != icons_.end()) return *found;
    const double scale = detail > 0 ? detail : kVectorDetail;
    QImage icon = LoadIcon(path, int(std::lround(kIconSide * scale)));
    icon.setDevicePixelRatio(scale);
    return *icons_.insert(path, icon);
}
