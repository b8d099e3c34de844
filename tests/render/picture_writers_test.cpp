// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_problem.h"
#include "render/bitmap_writer.h"
#include "render/gif_writer.h"
#include "render/picture.h"
#include "render/picture_encoders.h"
#include "render/picture_file.h"
#include "render_test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray Bitmap24Bytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer memory(&bytes);
    memory.open(QIODevice::WriteOnly);
    WriteBitmap24(picture, memory);
    return bytes;
}

uint32_t U32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}
uint16_t U16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

// A picture whose every pixel differs from its neighbours, of few distinct colours.
QImage Checkered(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(9, 8, 7),
                            qRgb(250, 251, 252)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colours[(x * 3 + y) % 5]);
    return picture;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage DecodeGif(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteGif(picture, buffer), QString());
    EXPECT_TRUE(bytes.startsWith("GIF8"));
    return QImage::fromData(bytes, "GIF").convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PictureEncoders, MimeTypeByLowerCasedExtension) {
    const struct {
        const char* name;
        const char* mimeType;
    } cases[] = {{"a.png", "image/png"},
                 {"a.PNG", "image/png"},
                 {"a.jpg", "image/jpeg"},
                 {"a.Jpeg", "image/jpeg"},
                 {"a.gif", "image/gif"},
                 {"a.tif", "image/tiff"},
                 {"a.TIFF", "image/tiff"},
                 {"a.bmp", "image/bmp"},
                 {"/x/y.z/a.tar.bmp", "image/bmp"},
                 {"a.txt", ""},
                 {"a.pngx", ""},
                 {"picture", ""},
                 {"folder.png/picture", ""},
                 {"a.", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(MimeTypeForPictureFile(QString::fromLatin1(c.name)),
                  QString::fromLatin1(c.mimeType))
            << c.name;
}

TEST(PictureEncoders, FindEncoderKnowsTheFiveTypes) {
    EXPECT_EQ(FindEncoder(QStringLiteral("image/png")), QByteArray("png"));
    EXPECT_EQ(FindEncoder(QStringLiteral("IMAGE/PNG")), QByteArray("png"));
    EXPECT_EQ(FindEncoder(QStringLiteral("image/gif")), QByteArray(kGifEncoder));
    EXPECT_EQ(FindEncoder(QStringLiteral("image/bmp")), QByteArray("bmp"));
    EXPECT_FALSE(FindEncoder(QStringLiteral("image/jpeg")).isEmpty());
    EXPECT_FALSE(FindEncoder(QStringLiteral("image/tiff")).isEmpty());
    EXPECT_TRUE(FindEncoder(QString()).isEmpty());
    EXPECT_TRUE(FindEncoder(QStringLiteral("image/x-unknown")).isEmpty());
}

TEST(PictureEncoders, EveryFormatReadsBack) {
    const QImage picture = Checkered(37, 11);
    for (const char* extension : {"png", "gif", "tif", "tiff", "bmp"}) {
        const QString path = TestFilePath(QStringLiteral("back.") + QLatin1String(extension));
        ASSERT_TRUE(SavePictureAsImage(picture, path).ok()) << extension;
        // Lossless formats come back pixel for pixel.
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture) << extension;
    }
    for (const char* extension : {"jpg", "jpeg"}) {
        const QString path = TestFilePath(QStringLiteral("back.") + QLatin1String(extension));
        ASSERT_TRUE(SavePictureAsImage(picture, path).ok()) << extension;
        EXPECT_EQ(QImage(path).size(), picture.size()) << extension;
    }
}

TEST(PictureEncoders, JpegAtFullQuality) {
    // A flat colour survives quality 100 nearly unchanged; low qualities shift it visibly.
    QImage flat = MakePicture(64, 64, 0x3C7AB4);
    const QString path = TestFilePath(QStringLiteral("flat.jpg"));
    ASSERT_TRUE(SavePictureAsImage(flat, path).ok());
    const QImage back(path);
    const QRgb pixel = back.pixel(31, 31);
    EXPECT_NEAR(qRed(pixel), 0xB4, 2);
    EXPECT_NEAR(qGreen(pixel), 0x7A, 2);
    EXPECT_NEAR(qBlue(pixel), 0x3C, 2);
    // The quantisation tables of quality 100 are all ones.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype table = bytes.indexOf(QByteArray("\xFF\xDB", 2));
    ASSERT_GE(table, 0);
    EXPECT_EQ(bytes.mid(table + 5, 64), QByteArray(64, '\x01'));
}

TEST(BitmapWriter, HeaderAndPaddedRowsBottomUp) {
    for (int width : {1, 2, 3, 4, 5, 7}) {
        SCOPED_TRACE(width);
        const int height = 3;
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(0, 0, qRgb(255, 0, 0));          // top-left red
        picture.setPixel(0, height - 1, qRgb(0, 0, 255)); // bottom-left blue
        const QByteArray bytes = Bitmap24Bytes(picture);
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + rowBytes * height);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(U32(bytes, 2), uint32_t(bytes.size()));
        EXPECT_EQ(U32(bytes, 6), 0u);
        EXPECT_EQ(U32(bytes, 10), 54u);
        EXPECT_EQ(U32(bytes, 14), 40u);
        EXPECT_EQ(int32_t(U32(bytes, 18)), width);
        EXPECT_EQ(int32_t(U32(bytes, 22)), height); // positive: bottom-up
        EXPECT_EQ(U16(bytes, 26), 1);
        EXPECT_EQ(U16(bytes, 28), 24);
        EXPECT_EQ(U32(bytes, 30), 0u);
        EXPECT_EQ(U32(bytes, 34), uint32_t(rowBytes * height));
        EXPECT_EQ(U32(bytes, 38), 3780u); // 96 dots per inch
        // The first stored row is the bottom one, blue first in each pixel.
        EXPECT_EQ(bytes.mid(54, 3), QByteArray("\xFF\x00\x00", 3));
        EXPECT_EQ(bytes.mid(54 + rowBytes * (height - 1), 3), QByteArray("\x00\x00\xFF", 3));
        EXPECT_EQ(bytes.mid(54 + rowBytes + 3 * (width - 1), 3), QByteArray("\x1E\x14\x0A", 3));
        // Padding bytes are zero.
        for (int row = 0; row < height; ++row)
            for (int pad = width * 3; pad < rowBytes; ++pad)
                EXPECT_EQ(bytes[54 + row * rowBytes + pad], '\0');
        // Any BMP reader gets the picture back.
        EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), picture);
    }
    EXPECT_TRUE(Bitmap24Bytes(QImage()).isEmpty());
}

TEST(GifWriter, FewColoursComeBackExactly) {
    const QImage picture = Checkered(101, 41);
    EXPECT_EQ(DecodeGif(picture), picture);

    // Exactly 256 colours still fit the palette.
    QImage full(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        full.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    EXPECT_EQ(DecodeGif(full), full);

    // A single colour makes the smallest palette.
    const QImage plain = MakePicture(5, 5, 0x123456);
    EXPECT_EQ(DecodeGif(plain), plain);
}

TEST(GifWriter, ManyColoursAreQuantised) {
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    const QImage back = DecodeGif(gradient);
    ASSERT_EQ(back.size(), gradient.size());
    int worst = 0;
    long total = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QRgb a = gradient.pixel(x, y), b = back.pixel(x, y);
            const int error =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
            worst = std::max(worst, error);
            total += error;
        }
    }
    // 4096 colours share 256 entries: each stands for a small box of neighbours.
    EXPECT_LE(worst, 64);
    EXPECT_LE(total / (64 * 64), 16);
}

TEST(PictureFile, FailedWriteLeavesNoFileAndKeepsTheOldOne) {
    const QString fresh = TestFilePath(QStringLiteral("atomic-fresh.png"));
    const auto failing = [](QIODevice& device) {
        device.write("half a picture");
        return QStringLiteral("disk full");
    };
    const Status failed = WritePictureFile(fresh, failing);
    EXPECT_EQ(failed.code, StatusCode::WriteFailed);
    EXPECT_EQ(failed.detail, fresh + QStringLiteral(": disk full"));
    EXPECT_FALSE(QFile::exists(fresh));

    const QString old = WriteTestFile(QStringLiteral("atomic-old.png"), "old picture");
    EXPECT_FALSE(WritePictureFile(old, failing).ok());
    EXPECT_EQ(ReadFile(old), QByteArray("old picture"));

    // No temporary file is left in the folder either.
    const QStringList left =
        QDir(QFileInfo(fresh).path())
            .entryList({QStringLiteral("atomic-*")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("atomic-old.png")});

    const auto succeeding = [](QIODevice& device) {
        device.write("new picture");
        return QString();
    };
    EXPECT_TRUE(WritePictureFile(old, succeeding).ok());
    EXPECT_EQ(ReadFile(old), QByteArray("new picture"));

    // A FIFO put in the old file's place while the picture is encoded stays.
    const auto swapping = [&old](QIODevice& device) {
        QFile::remove(old);
        ::mkfifo(QFile::encodeName(old).constData(), 0600);
        device.write("new picture");
        return QString();
    };
    EXPECT_EQ(WritePictureFile(old, swapping).detail,
              old + QStringLiteral(": Not a regular file (a named pipe)"));
    EXPECT_EQ(RegularFileProblem(old).reason, QStringLiteral("Not a regular file (a named pipe)"));
    QFile::remove(old);
}
