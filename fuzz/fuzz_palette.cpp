// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a favourite-palette file; what was read must be written and read
// back to the same palette, always as 130 records.
#include "model/favourite_palette.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const FavouritePalette palette = ReadPalette(bytes);
    const QByteArray saved = PaletteBytes(palette);
    if (saved.size() != kPaletteFileBytes || ReadPalette(saved) != palette) abort();
    return 0;
}
