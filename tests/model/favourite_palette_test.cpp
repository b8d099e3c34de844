// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/favourite_palette.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Record(int left, int right, int top, int bottom, int column, int row, int colour) {
    QByteArray record(kSwatchRecordBytes, '\0');
    char* p = record.data();
    qToLittleEndian<int32_t>(left, p);
    qToLittleEndian<int32_t>(right, p + 4);
    qToLittleEndian<int32_t>(top, p + 8);
    qToLittleEndian<int32_t>(bottom, p + 12);
    qToLittleEndian<int16_t>(int16_t(column), p + 16);
    qToLittleEndian<int16_t>(int16_t(row), p + 18);
    qToLittleEndian<int32_t>(colour, p + 20);
    return record;
}

QByteArray Record(int column, int row, int colour) {
    return Record(column * 25 + 1, (column + 1) * 25 + 1, row * 25 + 1, (row + 1) * 25 + 1, column,
                  row, colour);
}

// Every swatch of the grid coloured by its position.
FavouritePalette Rainbow() {
    FavouritePalette palette = DefaultPalette();
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column)
            palette.at(column, row).colour = 0x010203 * (row * kPaletteColumns + column);
    }
    return palette;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(FavouritePalette, DefaultLaysOut130WhiteSwatches) {
    const FavouritePalette palette = DefaultPalette();
    const FavouriteSwatch& corner = palette.at(12, 9);
    EXPECT_EQ(corner.left, 301);
    EXPECT_EQ(corner.right, 326);
    EXPECT_EQ(corner.top, 226);
    EXPECT_EQ(corner.bottom, 251);
    EXPECT_EQ(corner.column, 12);
    EXPECT_EQ(corner.row, 9);
    EXPECT_EQ(corner.colour, 0xFFFFFF);
    EXPECT_EQ(palette.at(0, 0), (FavouriteSwatch{1, 26, 1, 26, 0, 0, 0xFFFFFF}));
    int used = 0;
    for (const FavouriteSwatch& swatch : palette.swatches)
        used += swatch.colour == 0xFFFFFF;
    EXPECT_EQ(used, 130);
    EXPECT_EQ(palette.at(13, 0), FavouriteSwatch());
    EXPECT_EQ(palette.at(0, 10), FavouriteSwatch());
    EXPECT_EQ(palette.at(50, 50), FavouriteSwatch());
}

TEST(FavouritePalette, SaveWrites130RecordsRowsOuterAndLoadsBack) {
    QTemporaryDir dir;
    const QString path = PaletteFilePath(dir.path());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Mis Colores.log")));
    ASSERT_TRUE(SavePalette(path, Rainbow()).ok());
    const QByteArray bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 3120);
    // Record 15 (0-based 14) is column 1 of row 1.
    EXPECT_EQ(bytes.mid(14 * 24, 24), Record(1, 1, 0x010203 * 14));
    EXPECT_EQ(bytes.left(24), Record(0, 0, 0));
    EXPECT_EQ(bytes.right(24), Record(12, 9, 0x010203 * 129));
    EXPECT_EQ(LoadPalette(path), Rainbow());
    // Saving again replaces the old palette.
    ASSERT_TRUE(SavePalette(path, DefaultPalette()).ok());
    EXPECT_EQ(LoadPalette(path), DefaultPalette());
    EXPECT_EQ(PaletteBytes(DefaultPalette()), ReadBytes(path));
}

TEST(FavouritePalette, MissingFileGivesTheDefaultAndWritesNothing) {
    QTemporaryDir dir;
    const QString path = PaletteFilePath(dir.path());
    EXPECT_EQ(LoadPalette(path), DefaultPalette());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadPalette(QByteArray()), DefaultPalette());
}

TEST(FavouritePalette, OddLengthsAndWildIndicesLoadWithoutHarm) {
    // Whole records only: a cut-off last record is ignored.
    QByteArray bytes = Record(2, 3, 0x123456) + Record(4, 5, 0x654321).left(23);
    FavouritePalette expected = DefaultPalette();
    expected.at(2, 3).colour = 0x123456;
    EXPECT_EQ(ReadPalette(bytes), expected);
    EXPECT_EQ(ReadPalette(bytes.left(23)), DefaultPalette());
    EXPECT_EQ(ReadPalette(PaletteBytes(Rainbow()) + "x"), Rainbow());

    // Indices outside the grid (or outside 0..50), however the rectangle reads, are skipped.
    bytes = Record(13, 0, 0x111111) + Record(0, 10, 0x222222) + Record(-1, 0, 0x333333) +
            Record(0, -1, 0x444444) + Record(51, 51, 0x555555) + Record(50, 50, 0x666666) +
            Record(32767, -32768, 0x777777) + Record(12, 9, 0x888888);
    expected = DefaultPalette();
    expected.at(12, 9).colour = 0x888888;
    EXPECT_EQ(ReadPalette(bytes), expected);

    // The rectangle follows the indices, later records win, and the colour stays a colour.
    bytes = Record(-500, 1 << 30, 7, 7, 6, 4, 0x0A0B0C) + Record(6, 4, 0x0D0E0F) +
            Record(1, 2, -1) + Record(3, 3, int32_t(0xFE102030u));
    expected = DefaultPalette();
    expected.at(6, 4).colour = 0x0D0E0F;
    expected.at(1, 2).colour = 0xFFFFFF;
    expected.at(3, 3).colour = 0x102030;
    EXPECT_EQ(ReadPalette(bytes), expected);
    EXPECT_EQ(ReadPalette(bytes).at(6, 4).left, 151);

    QTemporaryDir dir;
    const QString path = PaletteFilePath(dir.path());
    ASSERT_TRUE(WriteBytes(path, bytes + "12345"));
    EXPECT_EQ(LoadPalette(path), expected);
}

TEST(FavouritePalette, FailedSaveIsReported) {
    const Status status =
        SavePalette(QStringLiteral("/proc/quadrivel-missing/Mis Colores.log"), Rainbow());
    EXPECT_EQ(status.code, StatusCode::WriteFailed);
    EXPECT_TRUE(status.detail.contains(QStringLiteral("Mis Colores.log")));

    // The fallback folder is created on the first save.
    QTemporaryDir dir;
    const QString path = PaletteFilePath(dir.filePath(QStringLiteral("config/quadrivel")));
    ASSERT_TRUE(SavePalette(path, Rainbow()).ok());
    EXPECT_EQ(LoadPalette(path), Rainbow());
}

TEST(FavouritePalette, PointerFindsTheSwatchUnderIt) {
    EXPECT_EQ(SwatchAt(0, 0), (SwatchIndex{0, 0}));
    EXPECT_EQ(SwatchAt(24, 24), (SwatchIndex{0, 0}));
    EXPECT_EQ(SwatchAt(25, 49), (SwatchIndex{1, 1}));
    EXPECT_EQ(SwatchAt(324, 249), (SwatchIndex{12, 9}));
    EXPECT_EQ(SwatchAt(325, 10), std::nullopt);
    EXPECT_EQ(SwatchAt(330, 10), std::nullopt); // column 13
    EXPECT_EQ(SwatchAt(10, 250), std::nullopt); // row 10
    EXPECT_EQ(SwatchAt(-1, 10), std::nullopt);  // not column 0
    EXPECT_EQ(SwatchAt(10, -24), std::nullopt);
}
