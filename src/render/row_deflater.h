// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/deflate_codes.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// A raw deflate stream of a PNG picture's filtered rows, made a row at a time. Table pictures
// are flat colour and text, so each byte looks for a copy in four places only: the bytes
// straight above, the pixel to its left, and the last two places where its next four bytes
// were seen. It takes the longest of them or else the byte itself; every block gets its own
// Huffman codes. Rows equal to the one above are coded without a search.
class RowDeflater {
public:
    // Rows of `rowBytes` bytes, the filter's byte first, of pixels of `pixelBytes` bytes.
    RowDeflater(qsizetype rowBytes, int pixelBytes);

    // A row of the picture, its filter byte first.
    void Row(const uint8_t* row);
    // `rows` rows equal to the one above them, each given as the Up filter's byte and zeros.
    void EqualRows(int rows);
    // Closes the stream: its last block, padded to a whole byte.
    void Finish();
    // The whole bytes of the stream made so far, taken out, and how many are waiting.
    QByteArray TakeBytes() { return out_.TakeBytes(); }
    qsizetype waitingBytes() const { return out_.byteCount(); }

private:
    // A literal byte (below 256) or a copy: its length << 16 | its distance.
    using Symbol = uint32_t;

    void Remember(const uint8_t* bytes, qsizetype length);
    int LongestCopy(qsizetype at, qsizetype end, int& distance);
    void Literal(uint8_t byte);
    void Copy(int length, int distance);
    void WriteBlock(bool last);
    void WriteCodeLengths(const uint8_t* lengths, int count);

    qsizetype rowBytes_;
    int pixelBytes_;
    BitWriter out_;
    // The stream's last bytes (at least a window's worth, when it has that many) and the row
    // being coded; window_[k] is byte windowStart_ + k of the stream.
    std::vector<uint8_t> window_;
    qsizetype windowUsed_ = 0;
    int64_t windowStart_ = 0;
    // For each hash of four bytes, the stream positions where they last began, newest first;
    // -1 for none.
    std::vector<int64_t> lastSeen_;
    std::vector<Symbol> symbols_;
    uint32_t literalFrequency_[kLiteralLengthCodes] = {};
    uint32_t distanceFrequency_[kDistanceCodes] = {};
    std::vector<uint8_t> zeroRow_;
};
