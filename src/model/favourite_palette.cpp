// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/favourite_palette.h"

#include "model/settings_file.h"

#include <QDir>
#include <QtEndian>

namespace {

namespace offset {
constexpr int left = 0;
constexpr int right = 4;
constexpr int top = 8;
constexpr int bottom = 12;
constexpr int column = 16;
constexpr int row = 18;
constexpr int colour = 20;
} // namespace offset

bool InGrid(int column, int row) {
    return column >= 0 && column < kPaletteColumns && row >= 0 && row < kPaletteRows;
}

} // namespace

FavouriteSwatch LaidOutSwatch(int column, int row, int32_t colour) {
    FavouriteSwatch swatch;
    swatch.left = column * kSwatchPixels + 1;
    swatch.right = (column + 1) * kSwatchPixels + 1;
    swatch.top = row * kSwatchPixels + 1;
    swatch.bottom = (row + 1) * kSwatchPixels + 1;
    swatch.column = int16_t(column);
    swatch.row = int16_t(row);
    swatch.colour = colour;
    return swatch;
}

FavouritePalette DefaultPalette() {
    FavouritePalette palette;
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column)
            palette.at(column, row) = LaidOutSwatch(column, row, kDefaultSwatchColour);
    }
    return palette;
}

FavouritePalette ReadPalette(const QByteArray& bytes) {
    FavouritePalette palette = DefaultPalette();
    const qsizetype records = bytes.size() / kSwatchRecordBytes;
    for (qsizetype i = 0; i < records; ++i) {
        const char* record = bytes.constData() + i * kSwatchRecordBytes;
        const int column = qFromLittleEndian<int16_t>(record + offset::column);
        const int row = qFromLittleEndian<int16_t>(record + offset::row);
        if (!InGrid(column, row)) continue;
        // The rectangle follows from the indices; only the colour is the user's.
        const int32_t colour = qFromLittleEndian<int32_t>(record + offset::colour);
        palette.at(column, row) = LaidOutSwatch(column, row, colour & 0xFFFFFF);
    }
    return palette;
}

FavouritePalette LoadPalette(const QString& path, QString* warning) {
    const OwnFileContent content = ReadOwnFile(path);
    if (warning) *warning = OwnFileWarning(path, content.problem);
    return content.problem.none() ? ReadPalette(content.bytes) : DefaultPalette();
}

QByteArray PaletteBytes(const FavouritePalette& palette) {
    QByteArray bytes(kPaletteFileBytes, '\0');
    char* record = bytes.data();
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const FavouriteSwatch swatch =
                LaidOutSwatch(column, row, palette.at(column, row).colour);
            qToLittleEndian<int32_t>(swatch.left, record + offset::left);
            qToLittleEndian<int32_t>(swatch.right, record + offset::right);
            qToLittleEndian<int32_t>(swatch.top, record + offset::top);
            qToLittleEndian<int32_t>(swatch.bottom, record + offset::bottom);
            qToLittleEndian<int16_t>(swatch.column, record + offset::column);
            qToLittleEndian<int16_t>(swatch.row, record + offset::row);
            qToLittleEndian<int32_t>(swatch.colour, record + offset::colour);
            record += kSwatchRecordBytes;
        }
    }
    return bytes;
}

Status SavePalette(const QString& path, const FavouritePalette& palette) {
    return WriteOwnFile(path, PaletteBytes(palette));
}

QString PaletteFilePath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Mis Colores.log"));
}

std::optional<SwatchIndex> SwatchAt(int x, int y) {
    if (x < 0 || y < 0) return std::nullopt;
    const SwatchIndex index{x / kSwatchPixels, y / kSwatchPixels};
    if (!InGrid(index.column, index.row)) return std::nullopt;
    return index;
}
