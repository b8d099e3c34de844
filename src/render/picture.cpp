// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture.h"

#include "model/large_pages.h"
#include "render/colour.h"

#include <cmath>
#include <limits>

namespace {

// A picture of 32 bits a pixel in large-paged memory; Qt's own allocation where that fails.
QImage LargePagedImage(int width, int height, QImage::Format format) {
    if (width > 0 && height > 0 && width <= std::numeric_limits<int>::max() / 4) {
        const qsizetype bytesPerLine = qsizetype(width) * 4;
        if (void* pixels = AllocateLargePaged(size_t(bytesPerLine) * size_t(height))) {
            QImage picture(static_cast<uchar*>(pixels), width, height, bytesPerLine, format,
                           ReleaseLargePaged, pixels);
            if (!picture.isNull()) return picture;
            ReleaseLargePaged(pixels);
        }
    }
    return QImage(width, height, format);
}

QImage PictureAt96Dpi(int width, int height, QImage::Format format) {
    QImage picture = LargePagedImage(width, height, format);
    // 96 / 0.0254 = 3779.5 dots per metre; Qt reads it back as round(3780 * 0.0254) = 96.
    const int dotsPerMetre = int(std::lround(kDotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

} // namespace

QImage MakePicture(int width, int height, int32_t colour, qreal pixelRatio) {
    QImage picture = PictureAt96Dpi(int(std::ceil(width * pixelRatio)),
                                    int(std::ceil(height * pixelRatio)), QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(RgbFromBgr(colour));
    return picture;
}

QSize LogicalSize(const QImage& picture) {
    // The device size was rounded up from the logical one, so rounding down gives it back.
    constexpr qreal kSlack = 1e-9;
    const qreal ratio = picture.devicePixelRatio();
    return QSize(int(picture.width() / ratio + kSlack), int(picture.height() / ratio + kSlack));
}

QImage MakeTransparentPicture(int width, int height) {
    QImage picture = PictureAt96Dpi(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}
