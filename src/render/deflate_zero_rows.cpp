// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/deflate_zero_rows.h"

#include <algorithm>

namespace {

constexpr uint8_t kFilterUp = 2;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kEndOfBlock = 256;

// Deflate's bits go least significant first; its Huffman codes most significant first.
class BitWriter {
public:
    void Bits(uint32_t value, int count) {
        pending_ |= uint64_t(value) << count_;
        count_ += count;
        for (; count_ >= 8; count_ -= 8, pending_ >>= 8)
            bytes_.append(char(pending_ & 0xFF));
    }
    void Code(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }
    ZeroRowsBlock Take(bool padded) {
        if (padded && count_ > 0) Bits(0, 8 - count_);
        return {bytes_, count_, int(pending_)};
    }

private:
    QByteArray bytes_;
    uint64_t pending_ = 0;
    int count_ = 0;
};

// The fixed codes of the symbols written here: literals below 144 and lengths.
void Symbol(BitWriter& out, int symbol) {
    if (symbol < 144)
        out.Code(0x30 + uint32_t(symbol), 8);
    else if (symbol < 280)
        out.Code(uint32_t(symbol - kEndOfBlock), 7);
    else
        out.Code(0xC0 + uint32_t(symbol - 280), 8);
}

// A copy of the byte before, `length` (3 to 258) times.
void RepeatPrevious(BitWriter& out, int length) {
    static constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                     2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = int(std::size(kBase)) - 1;
    while (kBase[code] > length)
        --code;
    Symbol(out, kEndOfBlock + 1 + code);
    out.Bits(uint32_t(length - kBase[code]), kExtra[code]);
    out.Code(0, 5); // distance 1
}

void ZeroRow(BitWriter& out, qsizetype zeros) {
    Symbol(out, kFilterUp);
    if (zeros == 0) return;
    Symbol(out, 0);
    for (qsizetype left = zeros - 1; left > 0;) {
        if (left < kMinMatch) {
            Symbol(out, 0);
            --left;
            continue;
        }
        const auto length = int(std::min<qsizetype>(left, kMaxMatch));
        RepeatPrevious(out, length);
        left -= length;
    }
}

} // namespace

ZeroRowsBlock DeflateZeroRows(int rows, qsizetype zeros, bool last) {
    BitWriter out;
    out.Bits(last ? 1 : 0, 1);
    out.Bits(1, 2); // fixed codes
    for (int row = 0; row < rows; ++row)
        ZeroRow(out, zeros);
    Symbol(out, kEndOfBlock);
    return out.Take(last);
}

uint32_t Adler32OfZeroRows(uint32_t adler, int rows, qsizetype zeros) {
    constexpr uint64_t kBase = 65521;
    uint64_t a = adler & 0xFFFF;
    uint64_t b = adler >> 16;
    // The filter byte adds to both sums; each zero adds the first sum to the second again.
    for (int row = 0; row < rows; ++row) {
        a = (a + kFilterUp) % kBase;
        b = (b + a + uint64_t(zeros % qsizetype(kBase)) * a) % kBase;
    }
    return uint32_t(b << 16 | a);
}
