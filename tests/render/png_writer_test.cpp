// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_writer.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {

QByteArray PngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer memory(&bytes);
    memory.open(QIODevice::WriteOnly);
    EXPECT_EQ(WritePng(picture, memory), QString());
    return bytes;
}

// The data of every chunk of that type, joined.
QByteArray ChunkData(const QByteArray& png, const char* type) {
    QByteArray data;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = qsizetype(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == type) data += png.mid(at + 8, length);
        at += length + 12;
    }
    return data;
}

// Every pixel differs from its neighbours; alpha from opaque to clear when asked.
QImage Mottled(int width, int height, QImage::Format format) {
    QImage picture(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgba(x * 7, y * 13, (x + y) * 5, (x * y * 11) % 256));
    return picture;
}

} // namespace

TEST(PngWriter, OpaquePictureAsRgbWithItsDensity) {
    QImage picture = Mottled(33, 9, QImage::Format_RGB32);
    picture.setDotsPerMeterX(7560);
    picture.setDotsPerMeterY(3780);
    const QByteArray png = PngBytes(picture);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QByteArray header = ChunkData(png, "IHDR");
    ASSERT_EQ(header.size(), 13);
    EXPECT_EQ(qFromBigEndian<quint32>(header.constData()), 33u);
    EXPECT_EQ(qFromBigEndian<quint32>(header.constData() + 4), 9u);
    EXPECT_EQ(header[8], 8); // bits per sample
    EXPECT_EQ(header[9], 2); // RGB
    const QImage back = QImage::fromData(png, "PNG");
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(back.dotsPerMeterX(), 7560);
    EXPECT_EQ(back.dotsPerMeterY(), 3780);

    // A fast zlib level (levels 2 to 5 say so in the stream's header), and no row filtered:
    // every row's filter byte is 0.
    const QByteArray deflated = ChunkData(png, "IDAT");
    ASSERT_GE(deflated.size(), 2);
    EXPECT_EQ(uchar(deflated[1]) >> 6, 1);
    const int rowBytes = 1 + 33 * 3;
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(rowBytes * 9), sized.data());
    const QByteArray rows = qUncompress(sized + deflated);
    ASSERT_EQ(rows.size(), rowBytes * 9);
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(rows[y * rowBytes], 0) << y;
}

TEST(PngWriter, TransparentPictureKeepsStraightAlpha) {
    const QImage picture = Mottled(20, 7, QImage::Format_ARGB32);
    const QByteArray png = PngBytes(picture);
    EXPECT_EQ(ChunkData(png, "IHDR")[9], 6); // RGB with alpha
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32), picture);

    // A premultiplied picture is written straight: a half-transparent red stays full red.
    QImage premultiplied(2, 1, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(qRgba(128, 0, 0, 128));
    const QImage back = QImage::fromData(PngBytes(premultiplied), "PNG");
    EXPECT_EQ(back.pixel(1, 0), qRgba(255, 0, 0, 128));
}

TEST(PngWriter, AFailedWriteIsTold) {
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_EQ(WritePng(Mottled(4, 4, QImage::Format_RGB32), readOnly),
              QStringLiteral("the picture could not be written"));
}

TEST(PngWriter, ARowEqualToTheOneAboveIsFilteredToZeros) {
    // Rows 0 and 1 equal, row 2 different, row 3 equal to row 2.
    QImage picture(5, 4, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgba(64, 32, 16, 128));
    for (int x = 0; x < 5; ++x) {
        picture.setPixel(x, 2, qRgba(x * 40, 200, 0, 255));
        picture.setPixel(x, 3, qRgba(x * 40, 200, 0, 255));
    }
    const QByteArray png = PngBytes(picture);
    const int rowBytes = 1 + 5 * 4;
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(rowBytes * 4), sized.data());
    const QByteArray rows = qUncompress(sized + ChunkData(png, "IDAT"));
    ASSERT_EQ(rows.size(), rowBytes * 4);
    EXPECT_EQ(rows[0], 0);
    EXPECT_EQ(rows.mid(rowBytes, rowBytes), QByteArray(1, 2) + QByteArray(rowBytes - 1, '\0'));
    EXPECT_EQ(rows[2 * rowBytes], 0);
    EXPECT_EQ(rows.mid(3 * rowBytes, rowBytes), QByteArray(1, 2) + QByteArray(rowBytes - 1, '\0'));
    // Straight alpha on every row, the filtered ones included.
    const QImage back = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(back, picture.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(back.pixel(0, 1), qRgba(127, 64, 32, 128));
}

TEST(PngWriter, OtherPixelFormatsAreConvertedAndEndsAreWhole) {
    QImage picture(3, 2, QImage::Format_RGB888);
    picture.fill(qRgb(1, 2, 3));
    picture.setPixel(2, 1, qRgb(250, 128, 7));
    const QByteArray png = PngBytes(picture);
    EXPECT_EQ(ChunkData(png, "IHDR")[9], 2);
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB888), picture);
    EXPECT_TRUE(png.endsWith(QByteArray::fromHex("0000000049454e44ae426082")));
}

TEST(PngWriter, APictureLargerThanOneChunkStreamsOverSeveral) {
    // Noise: deflate fills its output in the middle of a row, again and again.
    QImage picture(300, 300, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    }
    const QByteArray png = PngBytes(picture);
    int chunks = 0;
    for (qsizetype at = png.indexOf("IDAT"); at >= 0; at = png.indexOf("IDAT", at + 4))
        ++chunks;
    EXPECT_GE(chunks, 2);
    // Every chunk but the last is whole: 64 KiB.
    QList<qsizetype> lengths;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = qsizetype(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == "IDAT") lengths.append(length);
        at += length + 12;
    }
    ASSERT_EQ(lengths.size(), chunks);
    for (int k = 0; k + 1 < chunks; ++k)
        EXPECT_EQ(lengths[k], 64 * 1024) << k;
    EXPECT_LE(lengths.last(), 64 * 1024);
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), picture);
}

TEST(PngWriter, RunsOfEqualRowsAnywhereReadBackWhole) {
    // Equal rows after the first, in the middle, and up to the last; widths whose rows end
    // short of, on, and just past a whole number of deflate's longest copies (258 bytes).
    for (const int width : {1, 86, 87, 172, 300}) {
        for (const bool alpha : {false, true}) {
            QImage picture =
                Mottled(width, 40, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            for (int y : {1, 2, 3, 10, 11, 20, 35, 36, 37, 38, 39})
                std::memcpy(picture.scanLine(y), picture.constScanLine(y - 1),
                            size_t(picture.bytesPerLine()));
            const QByteArray png = PngBytes(picture);
            // qUncompress checks the stream's Adler-32 as well.
            const int rowBytes = 1 + width * (alpha ? 4 : 3);
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(quint32(rowBytes * 40), sized.data());
            EXPECT_EQ(qUncompress(sized + ChunkData(png, "IDAT")).size(), rowBytes * 40);
            const QImage back = QImage::fromData(png, "PNG");
            EXPECT_EQ(back.convertToFormat(picture.format()), picture) << width << " " << alpha;
        }
    }
}

TEST(PngWriter, EqualRowsBetweenNoiseCrossChunks) {
    // Noise rows fill the chunks; equal rows between them are written into the same chunks.
    QImage picture(400, 400, QImage::Format_RGB32);
    quint32 seed = 99;
    for (int y = 0; y < 400; ++y) {
        if (y % 7 == 3) {
            std::memcpy(picture.scanLine(y), picture.constScanLine(y - 1),
                        size_t(picture.bytesPerLine()));
            continue;
        }
        for (int x = 0; x < 400; ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    }
    const QByteArray png = PngBytes(picture);
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), picture);
}
