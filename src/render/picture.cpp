#include "render/picture.h"

#include "render/colour.h"

#include <cmath>

QImage MakePicture(int width, int height, int32_t colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    // 96 / 0.0254 = 3779.5 dots per metre; Qt reads it back as round(3780 * 0.0254) = 96.
    const int dotsPerMetre = int(std::lround(kDotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(RgbFromBgr(colour));
    return picture;
}
