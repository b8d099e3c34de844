#include "render/picture.h"

#include "render/colour.h"

#include <cmath>

namespace {

QImage PictureAt96Dpi(int width, int height, QImage::Format format) {
    QImage picture(width, height, format);
    // 96 / 0.0254 = 3779.5 dots per metre; Qt reads it back as round(3780 * 0.0254) = 96.
    const int dotsPerMetre = int(std::lround(kDotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

} // namespace

QImage MakePicture(int width, int height, int32_t colour) {
    QImage picture = PictureAt96Dpi(width, height, QImage::Format_RGB32);
    picture.fill(RgbFromBgr(colour));
    return picture;
}

QImage MakeTransparentPicture(int width, int height) {
    QImage picture = PictureAt96Dpi(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}
