// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>

// Side of the table picture and the view picture.
inline constexpr int kPictureSize = 1122;

// Table drawing always works at 96 dots per inch, whatever the screen, so that a table looks
// and exports the same on every machine.
inline constexpr int kDotsPerInch = 96;

// A drawing surface in memory: RGB32 at 96 dots per inch, filled with `colour` (0x00BBGGRR),
// of `width` x `height` logical pixels. A screen with `pixelRatio` device pixels to the logical
// pixel gets that many more pixels, so the same drawing comes out sharp on it.
QImage MakePicture(int width, int height, int32_t colour = 0xFFFFFF, qreal pixelRatio = 1);

// The size of a picture in logical pixels (whole pixels).
QSize LogicalSize(const QImage& picture);

// A picture of the same kind whose every pixel is transparent (ARGB, premultiplied).
QImage MakeTransparentPicture(int width, int height);
