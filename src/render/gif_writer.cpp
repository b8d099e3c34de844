#include "render/gif_writer.h"

#include <QIODevice>
#include <QImage>
#include <gif_lib.h>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// The GIF format stores sizes in 16 bits.
constexpr int kGifMaxSide = 65535;

struct IndexedPicture {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> indices; // one per pixel, rows top-down
};

// The exact colours of the picture, or false when there are more than a GIF holds.
bool IndexExactly(const QImage& rgb, IndexedPicture& out) {
    std::unordered_map<QRgb, GifByteType> known;
    out.indices.resize(size_t(rgb.width()) * size_t(rgb.height()));
    GifByteType* index = out.indices.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] & RGB_MASK;
            auto found = known.find(colour);
            if (found == known.end()) {
                if (known.size() == size_t(kGifPaletteSize)) return false;
                const auto next = GifByteType(known.size());
                found = known.emplace(colour, next).first;
                out.palette.push_back(GifColorType{GifByteType(qRed(colour)),
                                                   GifByteType(qGreen(colour)),
                                                   GifByteType(qBlue(colour))});
            }
            *index++ = found->second;
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
