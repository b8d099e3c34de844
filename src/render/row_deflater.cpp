// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/row_deflater.h"

#include "render/huffman_lengths.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Shorter copies cost about as many bits as their bytes.
constexpr int kShortestCopy = 4;
constexpr int kHashBits = 14;
// Two places for each hash: a second one cost 1 % more time and saved 4-8 % of the bytes.
constexpr int kPlacesPerHash = 2;
// Symbols in one block: enough that its codes' own cost does not count.
constexpr size_t kBlockSymbols = 16384;
constexpr int kLongestCode = 15;
constexpr int kLongestCodeLengthCode = 7;
constexpr uint8_t kFilterUp = 2;

uint32_t Load32(const uint8_t* bytes) {
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

uint64_t Load64(const uint8_t* bytes) {
    uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

int HashOf(const uint8_t* bytes) {
    return int((Load32(bytes) * 2654435761u) >> (32 - kHashBits));
}

// How many bytes from `here` equal those from `there`, at most `most`; eight at a time.
int MatchLength(const uint8_t* here, const uint8_t* there, int most) {
    int length = 0;
    for (; length + 8 <= most; length += 8) {
        const uint64_t differ = Load64(here + length) ^ Load64(there + length);
        if (differ != 0) {
            if constexpr (std::endian::native == std::endian::little)
                return length + std::countr_zero(differ) / 8;
            else
                return length + std::countl_zero(differ) / 8;
        }
    }
    while (length < most && here[length] == there[length])
        ++length;
    return length;
}

// The length code (0 to 28) of every copy length.
constexpr std::array<uint8_t, kDeflateMaxMatch + 1> kLengthCodes = [] {
    std::array<uint8_t, kDeflateMaxMatch + 1> codes{};
    int code = 0;
    for (int length = kDeflateMinMatch; length <= kDeflateMaxMatch; ++length) {
        while (code + 1 < int(std::size(kLengthBase)) && kLengthBase[code + 1] <= length)
            ++code;
        codes[size_t(length)] = uint8_t(code);
    }
    return codes;
}();

// The distance code (0 to 29) of a distance of 1 to 32768: two codes for each power of two.
int DistanceCode(int distance) {
    if (distance <= 4) return distance - 1;
    const int power = std::bit_width(unsigned(distance - 1)) - 1;
    return 2 * power + ((distance - 1) >> (power - 1) & 1);
}

// Each code reversed once, since the stream takes Huffman codes most significant bit first.
template <size_t N> std::array<uint32_t, N> StreamCodes(const std::array<uint8_t, N>& lengths) {
    std::array<uint32_t, N> codes = CanonicalCodes(lengths);
    for (size_t symbol = 0; symbol < N; ++symbol)
        codes[symbol] = ReversedBits(codes[symbol], lengths[symbol]);
    return codes;
}

} // namespace

RowDeflater::RowDeflater(qsizetype rowBytes, int pixelBytes)
    : rowBytes_(rowBytes), pixelBytes_(pixelBytes), window_(size_t(2 * kDeflateWindow + rowBytes)),
      lastSeen_(size_t(kPlacesPerHash) << kHashBits, -1), zeroRow_(size_t(rowBytes), 0) {
    zeroRow_[0] = kFilterUp;
    symbols_.reserve(kBlockSymbols);
}

void RowDeflater::Row(const uint8_t* row) {
    Remember(row, rowBytes_);
    const qsizetype end = windowUsed_;
    for (qsizetype at = end - rowBytes_; at < end;) {
        int distance = 0;
        const int length = LongestCopy(at, end, distance);
        if (length >= kShortestCopy) {
            Copy(length, distance);
            at += length;
        } else {
            Literal(window_[size_t(at)]);
            ++at;
        }
    }
}

// Each row its filter byte, a zero and copies of the byte before, known without a search;
// the block's codes make those copies a few bits each. The window then holds the last of the
// rows alone: copies reach no further back, which spares copying the rest in.
void RowDeflater::EqualRows(int rows) {
    if (rows <= 0) return;
    const qsizetype zeros = rowBytes_ - 1;
    for (int row = 0; row < rows; ++row) {
        Literal(kFilterUp);
        if (zeros == 0) continue;
        Literal(0);
        qsizetype left = zeros - 1;
        for (; left >= kDeflateMaxMatch; left -= kDeflateMaxMatch)
            Copy(kDeflateMaxMatch, 1);
        if (left >= kDeflateMinMatch) {
            Copy(int(left), 1);
            continue;
        }
        for (; left > 0; --left)
            Literal(0);
    }
    windowStart_ += windowUsed_ + (rows - 1) * rowBytes_;
    windowUsed_ = 0;
    Remember(zeroRow_.data(), rowBytes_);
}

void RowDeflater::Finish() {
    WriteBlock(true);
    out_.Align();
}

// Appends bytes of the stream to the window, first moving its last window's worth to the
// front when they would not fit.
void RowDeflater::Remember(const uint8_t* bytes, qsizetype length) {
    if (windowUsed_ + length > qsizetype(window_.size())) {
        const qsizetype kept = std::min<qsizetype>(windowUsed_, kDeflateWindow);
        std::memmove(window_.data(), window_.data() + windowUsed_ - kept, size_t(kept));
        windowStart_ += windowUsed_ - kept;
        windowUsed_ = kept;
    }
    std::memcpy(window_.data() + windowUsed_, bytes, size_t(length));
    windowUsed_ += length;
}

// The longest copy for the bytes at `at` (a window index) up to `end`: from straight above,
// from the pixel to the left, or from the last two places where the next four bytes began,
// the newer of which this position now becomes.
int RowDeflater::LongestCopy(qsizetype at, qsizetype end, int& distance) {
    const int most = int(std::min<qsizetype>(kDeflateMaxMatch, end - at));
    if (most < kShortestCopy) return 0;
    const uint8_t* here = window_.data() + at;
    // A copy shorter than four bytes is not taken, so a place whose first four differ is out.
    const uint32_t head = Load32(here);
    int best = 0;
    const auto consider = [&](int64_t back) {
        if (back <= 0 || back > kDeflateWindow || back > at || Load32(here - back) != head) return;
        const int length =
            kShortestCopy +
            MatchLength(here + kShortestCopy, here - back + kShortestCopy, most - kShortestCopy);
        if (length > best) {
            best = length;
            distance = int(back);
        }
    };
    consider(rowBytes_);
    consider(pixelBytes_);
    const int64_t position = windowStart_ + at;
    int64_t* seen = &lastSeen_[size_t(HashOf(here)) * kPlacesPerHash];
    for (int place = 0; place < kPlacesPerHash && best < most; ++place)
        if (seen[place] >= 0) consider(position - seen[place]);
    std::copy_backward(seen, seen + kPlacesPerHash - 1, seen + kPlacesPerHash);
    seen[0] = position;
    return best;
}

void RowDeflater::Literal(uint8_t byte) {
    symbols_.push_back(byte);
    ++literalFrequency_[byte];
    if (symbols_.size() == kBlockSymbols) WriteBlock(false);
}

void RowDeflater::Copy(int length, int distance) {
    symbols_.push_back(Symbol(length) << 16 | Symbol(distance));
    ++literalFrequency_[kEndOfBlock + 1 + kLengthCodes[size_t(length)]];
    ++distanceFrequency_[DistanceCode(distance)];
    if (symbols_.size() == kBlockSymbols) WriteBlock(false);
}

void RowDeflater::WriteBlock(bool last) {
    ++literalFrequency_[kEndOfBlock];
    std::array<uint8_t, kLiteralLengthCodes> literalLengths;
    std::array<uint8_t, kDistanceCodes> distanceLengths;
    HuffmanLengths(literalFrequency_, kLiteralLengthCodes, kLongestCode, literalLengths.data());
    HuffmanLengths(distanceFrequency_, kDistanceCodes, kLongestCode, distanceLengths.data());
    int literalCount = kLiteralLengthCodes;
    while (literalCount > kEndOfBlock + 1 && literalLengths[size_t(literalCount - 1)] == 0)
        --literalCount;
    int distanceCount = kDistanceCodes;
    while (distanceCount > 1 && distanceLengths[size_t(distanceCount - 1)] == 0)
        --distanceCount;

    out_.Bits(last ? 1 : 0, 1);
    out_.Bits(2, 2); // codes of its own
    out_.Bits(uint32_t(literalCount - 257), 5);
    out_.Bits(uint32_t(distanceCount - 1), 5);
    std::array<uint8_t, kLiteralLengthCodes + kDistanceCodes> lengths{};
    std::copy_n(literalLengths.begin(), literalCount, lengths.begin());
    std::copy_n(distanceLengths.begin(), distanceCount, lengths.begin() + literalCount);
    WriteCodeLengths(lengths.data(), literalCount + distanceCount);

    const std::array<uint32_t, kLiteralLengthCodes> literalCodes = StreamCodes(literalLengths);
    const std::array<uint32_t, kDistanceCodes> distanceCodes = StreamCodes(distanceLengths);
    for (const Symbol symbol : symbols_) {
        if (symbol < 256) {
            out_.Bits(literalCodes[symbol], literalLengths[symbol]);
            continue;
        }
        const auto length = int(symbol >> 16);
        const auto distance = int(symbol & 0xFFFF);
        const int lengthCode = kLengthCodes[size_t(length)];
        const auto lengthSymbol = size_t(kEndOfBlock + 1 + lengthCode);
        out_.Bits(literalCodes[lengthSymbol], literalLengths[lengthSymbol]);
        out_.Bits(uint32_t(length - kLengthBase[lengthCode]), kLengthExtra[lengthCode]);
        const auto distanceCode = size_t(DistanceCode(distance));
        out_.Bits(distanceCodes[distanceCode], distanceLengths[distanceCode]);
        out_.Bits(uint32_t(distance - kDistanceBase[distanceCode]), kDistanceExtra[distanceCode]);
    }
    out_.Bits(literalCodes[kEndOfBlock], literalLengths[kEndOfBlock]);

    symbols_.clear();
    std::fill(std::begin(literalFrequency_), std::end(literalFrequency_), 0u);
    std::fill(std::begin(distanceFrequency_), std::end(distanceFrequency_), 0u);
}

// The block's code lengths, runs of equal lengths shortened, in a code of their own.
void RowDeflater::WriteCodeLengths(const uint8_t* lengths, int count) {
    struct Token {
        uint8_t symbol;
        uint8_t extra;
        uint8_t extraBits;
    };
    std::vector<Token> tokens;
    std::array<uint32_t, kCodeLengthCodes> frequency{};
    const auto emit = [&](int symbol, int extra, int extraBits) {
        tokens.push_back({uint8_t(symbol), uint8_t(extra), uint8_t(extraBits)});
        ++frequency[size_t(symbol)];
    };
    for (int at = 0; at < count;) {
        const uint8_t length = lengths[at];
        int run = 1;
        while (at + run < count && lengths[at + run] == length)
            ++run;
        at += run;
        if (length == 0) {
            for (; run >= 11; run -= std::min(run, 138))
                emit(kRepeatManyZeros, std::min(run, 138) - 11, 7);
            if (run >= 3) {
                emit(kRepeatZeros, run - 3, 3);
                run = 0;
            }
        } else {
            emit(length, 0, 0);
            for (--run; run >= 3; run -= std::min(run, 6))
                emit(kRepeatLength, std::min(run, 6) - 3, 2);
        }
        for (; run > 0; --run)
            emit(length, 0, 0);
    }
    std::array<uint8_t, kCodeLengthCodes> codeLengths;
    HuffmanLengths(frequency.data(), kCodeLengthCodes, kLongestCodeLengthCode, codeLengths.data());
    int sent = kCodeLengthCodes;
    while (sent > 4 && codeLengths[size_t(kCodeLengthOrder[sent - 1])] == 0)
        --sent;
    out_.Bits(uint32_t(sent - 4), 4);
    for (int k = 0; k < sent; ++k)
        out_.Bits(codeLengths[size_t(kCodeLengthOrder[k])], 3);
    const std::array<uint32_t, kCodeLengthCodes> codes = StreamCodes(codeLengths);
    for (const Token& token : tokens) {
        out_.Bits(codes[token.symbol], codeLengths[token.symbol]);
        out_.Bits(token.extra, token.extraBits);
    }
}
