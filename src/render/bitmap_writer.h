// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;
class QImage;

// Size of the file header and the information header in front of the pixels.
inline constexpr int kBitmapPixelOffset = 54;

// Writes an uncompressed 24-bit BMP of the picture to `device` a row at a time: the "BM" file
// header, a 40-byte information header, then the pixels as blue, green, red, rows bottom-up,
// each row padded with zeros to a multiple of 4 bytes. An empty text on success, else the
// reason (nothing is written for an empty picture).
QString WriteBitmap24(const QImage& picture, QIODevice& device);
