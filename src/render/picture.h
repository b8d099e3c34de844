#pragma once

#include <QImage>
#include <cstdint>

// Side of the table picture and the view picture.
inline constexpr int kPictureSize = 1122;

// Table drawing always works at 96 dots per inch, whatever the screen, so that a table looks
// and exports the same on every machine.
inline constexpr int kDotsPerInch = 96;

// A drawing surface in memory: RGB32 at 96 dots per inch, filled with `colour` (0x00BBGGRR).
QImage MakePicture(int width, int height, int32_t colour = 0xFFFFFF);

// A picture of the same kind whose every pixel is transparent (ARGB, premultiplied).
QImage MakeTransparentPicture(int width, int height);
