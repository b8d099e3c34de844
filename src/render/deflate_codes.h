// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The tables and the bit writer of deflate (RFC 1951), for the PNG writer's own coder.

inline constexpr int kDeflateMinMatch = 3;
inline constexpr int kDeflateMaxMatch = 258;
inline constexpr int kDeflateWindow = 32768;
inline constexpr int kEndOfBlock = 256;
inline constexpr int kLiteralLengthCodes = 286;
inline constexpr int kDistanceCodes = 30;
inline constexpr int kCodeLengthCodes = 19;
// The code lengths' own code: 16 repeats the last length 3 to 6 times, 17 gives 3 to 10 zero
// lengths, 18 gives 11 to 138.
inline constexpr int kRepeatLength = 16;
inline constexpr int kRepeatZeros = 17;
inline constexpr int kRepeatManyZeros = 18;
// The order in which a block's header gives the code lengths' own code lengths.
inline constexpr int kCodeLengthOrder[kCodeLengthCodes] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

inline constexpr int kLengthBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
inline constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
inline constexpr int kDistanceBase[] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
inline constexpr int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The first `length` bits (at most 16) of `code` in the opposite order: Huffman codes go most
// significant bit first into a stream that is otherwise least significant first.
inline uint32_t ReversedBits(uint32_t code, int length) {
    uint32_t bits = code;
    bits = (bits & 0x5555u) << 1 | (bits >> 1 & 0x5555u);
    bits = (bits & 0x3333u) << 2 | (bits >> 2 & 0x3333u);
    bits = (bits & 0x0F0Fu) << 4 | (bits >> 4 & 0x0F0Fu);
    bits = (bits & 0x00FFu) << 8 | (bits >> 8 & 0x00FFu);
    return length == 0 ? 0 : bits >> (16 - length);
}

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

// Bits into bytes, the first bit of each value in the lowest free bit; whole bytes are kept
// until taken.
class BitWriter {
public:
    // The low `count` bits of `value`, count at most 32.
    void Bits(uint32_t value, int count) {
        pending_ |= uint64_t(value) << count_;
        count_ += count;
        if (count_ >= 32) {
            if (used_ + 4 > bytes_.size()) bytes_.resize(std::max<size_t>(4096, 2 * bytes_.size()));
            qToLittleEndian<quint32>(quint32(pending_), bytes_.data() + used_);
            used_ += 4;
            pending_ >>= 32;
            count_ -= 32;
        }
    }
    // Zero bits up to the next byte boundary.
    void Align() {
        if (count_ % 8 != 0) Bits(0, 8 - count_ % 8);
    }
    // The whole bytes written so far, taken out; the bits after them stay.
    QByteArray TakeBytes() {
        for (; count_ >= 8; count_ -= 8, pending_ >>= 8)
            AppendByte(uint8_t(pending_));
        QByteArray taken(reinterpret_cast<const char*>(bytes_.data()), qsizetype(used_));
        used_ = 0;
        return taken;
    }
    // The whole bytes waiting to be taken, about.
    qsizetype byteCount() const { return qsizetype(used_); }

private:
    void AppendByte(uint8_t byte) {
        if (used_ == bytes_.size()) bytes_.resize(std::max<size_t>(4096, 2 * bytes_.size()));
        bytes_[used_++] = byte;
    }

    std::vector<uint8_t> bytes_;
    size_t used_ = 0;
    uint64_t pending_ = 0;
    int count_ = 0;
};
