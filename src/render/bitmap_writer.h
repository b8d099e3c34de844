#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QImage;

// Size of the file header and the information header in front of the pixels.
inline constexpr int kBitmapPixelOffset = 54;

// An uncompressed 24-bit BMP of the picture: the "BM" file header, a 40-byte information
// header, then the pixels as blue, green, red, rows bottom-up, each row padded with zeros to
// a multiple of 4 bytes. Empty for an empty picture.
QByteArray Bitmap24Bytes(const QImage& picture);

// Writes those bytes to `device` a row at a time; an empty text on success, else the reason.
QString WriteBitmap24(const QImage& picture, QIODevice& device);
