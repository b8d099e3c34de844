// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gif_writer.h"

#include <QIODevice>
#include <QImage>
#include <array>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

// The GIF format stores sizes in 16 bits.
constexpr int kGifMaxSide = 65535;

struct IndexedPicture {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> indices; // one per pixel, rows top-down
};

// The palette index of each colour seen so far: at most 256 colours in 1024 slots, so that a
// probe rarely passes more than one other colour.
class ColourIndex {
public:
    ColourIndex() { keys_.fill(kEmpty); }
    // The slot holding `colour`, or the empty slot where it belongs.
    size_t Slot(QRgb colour) const {
        size_t slot = (colour * 2654435761u) >> (32 - kSlotBits);
        while (keys_[slot] != colour && keys_[slot] != kEmpty)
            slot = (slot + 1) & (kSlots - 1);
        return slot;
    }
    bool Holds(size_t slot) const { return keys_[slot] != kEmpty; }
    GifByteType Index(size_t slot) const { return indices_[slot]; }
    void Add(size_t slot, QRgb colour, GifByteType index) {
        keys_[slot] = colour;
        indices_[slot] = index;
    }

private:
    static constexpr int kSlotBits = 10;
    static constexpr size_t kSlots = size_t(1) << kSlotBits;
    static constexpr QRgb kEmpty = ~RGB_MASK; // no colour once its alpha is masked off
    std::array<QRgb, kSlots> keys_;
    std::array<GifByteType, kSlots> indices_{};
};

// The exact colours of the picture, or false when there are more than a GIF holds.
bool IndexExactly(const QImage& rgb, IndexedPicture& out) {
    const int width = rgb.width(), height = rgb.height();
    ColourIndex known;
    out.indices.resize(size_t(width) * size_t(height));
    GifByteType* index = out.indices.data();
    // Most pixels repeat their left neighbour: only a change of colour is looked up.
    QRgb lastColour = ~RGB_MASK;
    GifByteType lastIndex = 0;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = line[x] & RGB_MASK;
            if (colour != lastColour) {
                const size_t slot = known.Slot(colour);
                if (!known.Holds(slot)) {
                    if (out.palette.size() == size_t(kGifPaletteSize)) return false;
                    known.Add(slot, colour, GifByteType(out.palette.size()));
                    out.palette.push_back(GifColorType{GifByteType(qRed(colour)),
                                                       GifByteType(qGreen(colour)),
                                                       GifByteType(qBlue(colour))});
                }
                lastColour = colour;
                lastIndex = known.Index(slot);
            }
            *index++ = lastIndex;
        }
    }
    return true;
}

bool Quantise(const QImage& rgb, IndexedPicture& out) {
    const size_t count = size_t(rgb.width()) * size_t(rgb.height());
    std::vector<GifByteType> red(count), green(count), blue(count);
    size_t i = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++i) {
            red[i] = GifByteType(qRed(line[x]));
            green[i] = GifByteType(qGreen(line[x]));
            blue[i] = GifByteType(qBlue(line[x]));
        }
    }
    int paletteSize = kGifPaletteSize;
    out.palette.assign(size_t(kGifPaletteSize), GifColorType{0, 0, 0});
    out.indices.assign(count, 0);
    if (GifQuantizeBuffer(unsigned(rgb.width()), unsigned(rgb.height()), &paletteSize, red.data(),
                          green.data(), blue.data(), out.indices.data(),
                          out.palette.data()) != GIF_OK)
        return false;
    out.palette.resize(size_t(paletteSize));
    return true;
}

// GIF colour tables come in powers of two from 2 to 256 entries.
int ColourTableSize(size_t colours) {
    int size = 2;
    while (size_t(size) < colours)
        size *= 2;
    return size;
}

int WriteToDevice(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), length));
}

QString GifError(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("GIF encoder: ") +
           (text ? QString::fromLatin1(text) : QString::number(code));
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

QString WriteGif(const QImage& picture, QIODevice& device) {
    if (picture.isNull()) return QStringLiteral("the picture is empty");
    if (picture.width() > kGifMaxSide || picture.height() > kGifMaxSide)
        return QStringLiteral("the picture is too large for GIF");
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);

    IndexedPicture indexed;
    if (!IndexExactly(rgb, indexed) && !Quantise(rgb, indexed))
        return QStringLiteral("the colours could not be reduced to 256");

    const int tableSize = ColourTableSize(indexed.palette.size());
    indexed.palette.resize(size_t(tableSize), GifColorType{0, 0, 0});
    const std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(tableSize, indexed.palette.data()));
    if (!map) return QStringLiteral("out of memory");

    int error = 0;
    GifFileType* gif = EGifOpen(&device, WriteToDevice, &error);
    if (!gif) return GifError(error);
    const int width = rgb.width();
    bool written = EGifPutScreenDesc(gif, width, rgb.height(), 8, 0, map.get()) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, width, rgb.height(), false, nullptr) == GIF_OK;
    for (int y = 0; written && y < rgb.height(); ++y)
        written =
            EGifPutLine(gif, indexed.indices.data() + size_t(y) * size_t(width), width) == GIF_OK;
    const int writeError = gif->Error;
    // Closing writes the trailer and frees the handle, also after a failure.
    if (EGifCloseFile(gif, &error) != GIF_OK && written) return GifError(error);
    if (!written) return GifError(writeError);
    return {};
}
