// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG writer's own deflate: rows made from the input, with the repeats table pictures have
// (the byte to the left, the byte above, an earlier stretch) or new bytes, and rows equal to
// the one above. Whatever the rows, zlib must inflate the stream to exactly them.
#include "fixtures/raw_inflate.h"
#include "render/row_deflater.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMaxPixels = 12000;
constexpr int kMaxRows = 64;

// The input, a byte at a time; zeros once it runs out.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    bool Done() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input(data, size);
    const int pixelBytes = input.Next() % 2 == 0 ? 3 : 4;
    const int pixels = 1 + (input.Next() << 8 | input.Next()) % kMaxPixels;
    const qsizetype rowBytes = 1 + qsizetype(pixels) * pixelBytes;
    RowDeflater deflater(rowBytes, pixelBytes);
    QByteArray stream;
    QByteArray row(rowBytes, '\0');
    QByteArray zeroRow(rowBytes, '\0');
    zeroRow[0] = 2;
    for (int y = 0; y < kMaxRows && !input.Done(); ++y) {
        const uint8_t kind = input.Next();
        if (y > 0 && kind % 5 == 0) {
            deflater.EqualRows(1);
            stream += zeroRow;
            continue;
        }
        row[0] = 0;
        for (qsizetype at = 1; at < rowBytes; ++at) {
            // Mostly repeats, as in a table picture; a new byte when the input says so.
            const uint8_t choice = input.Done() ? 0 : input.Next();
            const qsizetype back = choice < 96 ? pixelBytes : choice < 160 ? rowBytes : 1 + choice;
            if (choice >= 224 || stream.size() + at <= back)
                row[at] = char(input.Next());
            else if (at > back)
                row[at] = row[at - back];
            else
                row[at] = stream[stream.size() - back + at];
        }
        deflater.Row(reinterpret_cast<const uint8_t*>(row.constData()));
        stream += row;
    }
    deflater.Finish();
    if (RawInflated(deflater.TakeBytes(), stream.size()) != stream) abort();
    return 0;
}
