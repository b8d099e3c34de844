// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdint>

// One deflate block, with codes of its own, holding `rows` rows, each the Up filter's byte
// followed by `zeros` zero bytes: the PNG writer's rows equal to the one above. Their coding
// is known beforehand, so they skip zlib's search, which spends a third of its time on them.
// The block starts on a byte boundary; the bits after its last whole byte are in `tail`.
struct ZeroRowsBlock {
    QByteArray bytes;
    int tailBits = 0;  // 0 to 7
    int tailValue = 0; // those bits, the first in the lowest
};

// A last block ends the stream and is padded to a whole byte.
ZeroRowsBlock DeflateZeroRows(int rows, qsizetype zeros, bool last);

// The zlib stream's Adler-32 checksum `adler` carried over those rows.
uint32_t Adler32OfZeroRows(uint32_t adler, int rows, qsizetype zeros);
