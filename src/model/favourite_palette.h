// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kPaletteColumns = 13;
inline constexpr int kPaletteRows = 10;
inline constexpr int kPaletteExtent = 51; // indices 0..50 in both directions
inline constexpr int kSwatchPixels = 25;
inline constexpr int kSwatchRecordBytes = 24;
inline constexpr int kPaletteFileBytes = kPaletteColumns * kPaletteRows * kSwatchRecordBytes;
inline constexpr int32_t kDefaultSwatchColour = 0xFFFFFF;

// One swatch; its file record is 24 bytes, little-endian, in this field order (note left,
// right, top, bottom).
struct FavouriteSwatch {
    int32_t left = 0;   // column * 25 + 1
    int32_t right = 0;  // (column + 1) * 25 + 1
    int32_t top = 0;    // row * 25 + 1
    int32_t bottom = 0; // (row + 1) * 25 + 1
    int16_t column = 0;
    int16_t row = 0;
    int32_t colour = 0; // 0x00BBGGRR

    bool operator==(const FavouriteSwatch&) const = default;
};

// The swatch at (column, row) laid out in the grid, with the given colour.
FavouriteSwatch LaidOutSwatch(int column, int row, int32_t colour);

// 51 x 51 swatches of which the 13 x 10 at the top left are used.
struct FavouritePalette {
    std::array<FavouriteSwatch, kPaletteExtent * kPaletteExtent> swatches{};

    FavouriteSwatch& at(int column, int row) {
        return swatches[size_t(row * kPaletteExtent + column)];
    }
    const FavouriteSwatch& at(int column, int row) const {
        return swatches[size_t(row * kPaletteExtent + column)];
    }

    bool operator==(const FavouritePalette&) const = default;
};

// All 130 swatches laid out and white.
FavouritePalette DefaultPalette();

// The palette in the file; the default palette when there is no readable file (then, unless
// the file is missing, a warning says why, as for the settings file). Only whole
// records count. Each record goes to the column and row it carries, laid out there; records
// outside the 13 x 10 grid are skipped, and a swatch no record names stays white. Colours
// keep their low 24 bits, so a swatch is always a plain colour.
FavouritePalette LoadPalette(const QString& path, QString* warning = nullptr);
FavouritePalette ReadPalette(const QByteArray& bytes);

// The 130 records, rows outer and columns inner: 3120 bytes, through WriteOwnFile.
Status SavePalette(const QString& path, const FavouritePalette& palette);
QByteArray PaletteBytes(const FavouritePalette& palette);

// "Mis Colores.log" in the folder of the program's own files (SettingsFolder).
QString PaletteFilePath(const QString& folder);

struct SwatchIndex {
    int column;
    int row;
    bool operator==(const SwatchIndex&) const = default;
};

// The swatch under a point of the palette picture; none outside the 13 x 10 grid.
std::optional<SwatchIndex> SwatchAt(int x, int y);
