// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/bitmap_writer.h"

#include "render/picture.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cmath>

namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kBitsPerPixel = 24;

void Put16(char*& at, uint16_t value) {
    qToLittleEndian(value, at);
    at += 2;
}

void Put32(char*& at, uint32_t value) {
    qToLittleEndian(value, at);
    at += 4;
}

} // namespace

QString WriteBitmap24(const QImage& picture, QIODevice& device) {
    if (picture.isNull()) return QStringLiteral("the picture is empty");
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) / 4 * 4;
    const qsizetype pixelBytes = rowBytes * height;

    const auto dotsPerMetre = uint32_t(std::lround(kDotsPerInch / 0.0254));
    char header[kBitmapPixelOffset];
    char* at = header;
    *at++ = 'B';
    *at++ = 'M';
    Put32(at, uint32_t(kBitmapPixelOffset + pixelBytes));
    Put32(at, 0); // two reserved words
    Put32(at, kBitmapPixelOffset);
    Put32(at, kInfoHeaderSize);
    Put32(at, uint32_t(width));
    Put32(at, uint32_t(height)); // positive: the rows run bottom-up
    Put16(at, 1);                // planes
    Put16(at, kBitsPerPixel);
    Put32(at, 0); // no compression
    Put32(at, uint32_t(pixelBytes));
    Put32(at, dotsPerMetre);
    Put32(at, dotsPerMetre);
    Put32(at, 0); // colours used: no palette
    Put32(at, 0); // important colours
    if (device.write(header, kBitmapPixelOffset) != kBitmapPixelOffset) return device.errorString();

    // A row at a time: the file is never whole in memory beside the picture.
    QByteArray row(rowBytes, '\0');
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        char* out = row.data();
        for (int x = 0; x < width; ++x) {
            *out++ = char(qBlue(line[x]));
            *out++ = char(qGreen(line[x]));
            *out++ = char(qRed(line[x]));
        }
        if (device.write(row) != rowBytes) return device.errorString();
    }
    return {};
}
