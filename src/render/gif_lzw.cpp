#include "render/gif_lzw.h"

#include <algorithm>
#include <array>

namespace {

// The largest code; a full table is cleared before it would be passed.
constexpr int kLastCode = 4095;

// Codes packed from the lowest bit up into blocks of at most 255 bytes, each after its length.
class CodeBlocks {
public:
    explicit CodeBlocks(QByteArray& out) : out_(out) {}

    void Put(int code, int bits) {
        bitBuffer_ |= uint32_t(code) << bitCount_;
        bitCount_ += bits;
        for (; bitCount_ >= 8; bitCount_ -= 8, bitBuffer_ >>= 8)
            Byte(uint8_t(bitBuffer_));
    }

    // The last partial byte, the last block and the empty block that ends the data.
    void Finish() {
        for (; bitCount_ > 0; bitCount_ -= 8, bitBuffer_ >>= 8)
            Byte(uint8_t(bitBuffer_));
        WriteBlock();
        out_.append('\0');
    }

private:
    // A full block is written only when the next byte comes, as giflib does.
    void Byte(uint8_t byte) {
        if (blockSize_ == kBlockBytes) WriteBlock();
        block_[blockSize_++] = byte;
    }
    void WriteBlock() {
        if (blockSize_ == 0) return;
        out_.append(char(blockSize_));
        out_.append(reinterpret_cast<const char*>(block_.data()), blockSize_);
        blockSize_ = 0;
    }

    static constexpr int kBlockBytes = 255;
    QByteArray& out_;
    std::array<uint8_t, kBlockBytes> block_{};
    int blockSize_ = 0;
    uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

// The codes of the strings seen since the last clear, by (prefix code, next index).
class StringTable {
public:
    StringTable() { Clear(); }
    void Clear() { keys_.fill(kEmpty); }
    static uint32_t Key(int prefix, uint8_t index) { return (uint32_t(prefix) << 8) | index; }
    // The code of `key`, or -1 with `slot` left where it belongs.
    int Find(uint32_t key, size_t& slot) const {
        slot = (key * 2654435761u) >> (32 - kSlotBits);
        for (; keys_[slot] != kEmpty; slot = (slot + 1) & (kSlots - 1))
            if (keys_[slot] == key) return codes_[slot];
        return -1;
    }
    void Add(size_t slot, uint32_t key, int code) {
        keys_[slot] = key;
        codes_[slot] = uint16_t(code);
    }

private:
    static constexpr int kSlotBits = 13; // twice the codes, so that probes stay short
    static constexpr size_t kSlots = size_t(1) << kSlotBits;
    static constexpr uint32_t kEmpty = ~uint32_t(0);
    std::array<uint32_t, kSlots> keys_;
    std::array<uint16_t, kSlots> codes_{};
};

} // namespace

QByteArray GifImageData(const uint8_t* indices, size_t count, int bitsPerPixel) {
    const int codeSize = std::max(bitsPerPixel, 2);
    const int clearCode = 1 << codeSize;
    const int endCode = clearCode + 1;
    const uint8_t mask = uint8_t((1 << codeSize) - 1);

    QByteArray out;
    out.append(char(codeSize));
    CodeBlocks blocks(out);
    StringTable table;
    int nextCode = endCode + 1;
    int bits = codeSize + 1;
    // The width grows after the code that brings the next code to a new power of two.
    const auto put = [&](int code) {
        blocks.Put(code, bits);
        if (nextCode >= (1 << bits) && code <= kLastCode) ++bits;
    };

    put(clearCode);
    if (count > 0) {
        int current = indices[0] & mask;
        for (size_t i = 1; i < count; ++i) {
            const uint8_t index = indices[i] & mask;
            const uint32_t key = StringTable::Key(current, index);
            size_t slot = 0;
            const int found = table.Find(key, slot);
            if (found >= 0) {
                current = found;
                continue;
            }
            put(current);
            current = index;
            if (nextCode >= kLastCode) {
                put(clearCode);
                nextCode = endCode + 1;
                bits = codeSize + 1;
                table.Clear();
            } else {
                table.Add(slot, key, nextCode++);
            }
        }
        put(current);
    }
    put(endCode);
    blocks.Finish();
    return out;
}
