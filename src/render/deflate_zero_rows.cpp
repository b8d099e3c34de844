// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/deflate_zero_rows.h"

#include <algorithm>
#include <array>

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

constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kLiteralLengthCodes = 286;
constexpr int kLongestCopyCode = 285;
constexpr int kRepeatZeros = 17;     // 3 to 10 zero lengths
constexpr int kRepeatManyZeros = 18; // 11 to 138

// Deflate's canonical codes for the given code lengths: shorter codes first, then by symbol.
template <size_t N> std::array<uint32_t, N> CanonicalCodes(const std::array<uint8_t, N>& lengths) {
    std::array<uint32_t, 16> count{};
    for (const uint8_t length : lengths)
        ++count[length];
    count[0] = 0;
    std::array<uint32_t, 16> next{};
    uint32_t code = 0;
    for (size_t bits = 1; bits < 16; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::array<uint32_t, N> codes{};
    for (size_t symbol = 0; symbol < N; ++symbol)
        if (lengths[symbol] > 0) codes[symbol] = next[lengths[symbol]]++;
    return codes;
}

// The code of a length code and its extra bits, for a copy of 3 to 258 bytes.
int LengthCode(int length) {
    int code = int(std::size(kLengthBase)) - 1;
    while (kLengthBase[code] > length)
        --code;
    return code;
}

// The symbols of a zero row: its filter byte, a zero, then copies of the byte before, 258 at
// a time, with the rest as one shorter copy or, under 3, as zeros. Each symbol gets a code as
// short as its use: the long copy 1 bit, the zero 2, the filter byte 3, the rest 4.
class ZeroRowCode {
public:
    explicit ZeroRowCode(qsizetype zeros) : zeros_(zeros) {
        const qsizetype copied = zeros > 0 ? zeros - 1 : 0;
        const auto rest = int(copied % kMaxMatch);
        const bool shortCopy = rest >= kMinMatch;
        lengths_[kLongestCopyCode] = 1;
        lengths_[0] = 2;
        lengths_[kFilterUp] = 3;
        lengths_[kEndOfBlock] = shortCopy ? 4 : 3;
        if (shortCopy) lengths_[kEndOfBlock + 1 + LengthCode(rest)] = 4;
        codes_ = CanonicalCodes(lengths_);
    }

    void WriteHeader(BitWriter& out, bool last) const {
        out.Bits(last ? 1 : 0, 1);
        out.Bits(2, 2); // dynamic codes
        out.Bits(kLiteralLengthCodes - 257, 5);
        out.Bits(2 - 1, 5); // two distance codes, 1 bit each: distance 1 and 2
        // The code of the code lengths: 0 to 4 and the two runs of zeros, in deflate's order.
        static constexpr int kOrder[] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                         11, 4,  12, 3, 13, 2, 14, 1, 15};
        std::array<uint8_t, 19> lengthLengths{};
        lengthLengths[0] = 2;
        lengthLengths[kRepeatManyZeros] = 2;
        lengthLengths[1] = 3;
        lengthLengths[2] = 3;
        lengthLengths[3] = 3;
        lengthLengths[4] = 4;
        lengthLengths[kRepeatZeros] = 4;
        constexpr int kSent = 18; // up to the length of 1, the last one used in that order
        out.Bits(kSent - 4, 4);
        for (int i = 0; i < kSent; ++i)
            out.Bits(lengthLengths[size_t(kOrder[i])], 3);
        const std::array<uint32_t, 19> lengthCodes = CanonicalCodes(lengthLengths);
        const auto put = [&](int symbol) {
            out.Code(lengthCodes[size_t(symbol)], lengthLengths[size_t(symbol)]);
        };
        std::array<uint8_t, kLiteralLengthCodes + 2> all{};
        std::copy(lengths_.begin(), lengths_.end(), all.begin());
        all[kLiteralLengthCodes] = 1;
        all[kLiteralLengthCodes + 1] = 1;
        for (size_t i = 0; i < all.size();) {
            if (all[i] != 0) {
                put(all[i++]);
                continue;
            }
            size_t run = 0;
            while (i + run < all.size() && all[i + run] == 0)
                ++run;
            i += run;
            for (; run >= 11; run -= std::min<size_t>(run, 138)) {
                put(kRepeatManyZeros);
                out.Bits(uint32_t(std::min<size_t>(run, 138) - 11), 7);
            }
            if (run >= 3) {
                put(kRepeatZeros);
                out.Bits(uint32_t(run - 3), 3);
                run = 0;
            }
            for (; run > 0; --run)
                put(0);
        }
    }

    void WriteRow(BitWriter& out) const {
        Symbol(out, kFilterUp);
        if (zeros_ == 0) return;
        Symbol(out, 0);
        for (qsizetype left = zeros_ - 1; left > 0;) {
            if (left < kMinMatch) {
                Symbol(out, 0);
                --left;
                continue;
            }
            const auto length = int(std::min<qsizetype>(left, kMaxMatch));
            const int code = LengthCode(length);
            Symbol(out, kEndOfBlock + 1 + code);
            out.Bits(uint32_t(length - kLengthBase[code]), kLengthExtra[code]);
            out.Bits(0, 1); // distance 1
            left -= length;
        }
    }

    void WriteEnd(BitWriter& out) const { Symbol(out, kEndOfBlock); }

private:
    void Symbol(BitWriter& out, int symbol) const {
        out.Code(codes_[size_t(symbol)], lengths_[size_t(symbol)]);
    }

    qsizetype zeros_;
    std::array<uint8_t, kLiteralLengthCodes> lengths_{};
    std::array<uint32_t, kLiteralLengthCodes> codes_{};
};

} // namespace

ZeroRowsBlock DeflateZeroRows(int rows, qsizetype zeros, bool last) {
    const ZeroRowCode code(zeros);
    BitWriter out;
    code.WriteHeader(out, last);
    for (int row = 0; row < rows; ++row)
        code.WriteRow(out);
    code.WriteEnd(out);
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
