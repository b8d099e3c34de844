#include "render/gif_lzw.h"

#include <QByteArray>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

int Collect(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// giflib's image data for the same indices: the file it writes, without the parts around it.
QByteArray GiflibImageData(std::vector<GifByteType> indices, int width, int bits) {
    QByteArray file;
    int error = 0;
    GifFileType* gif = EGifOpen(&file, Collect, &error);
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    const int height = int(indices.size()) / width;
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    for (int y = 0; y < height; ++y)
        EGifPutLine(gif, indices.data() + y * width, width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    const int head = 13 + 3 * (1 << bits) + 10;
    return file.mid(head, file.size() - head - 1);
}

} // namespace

// The codes, their widths, the clearing of a full table and the blocks are giflib's, byte for
// byte: random indices fill the table many times over, runs make long strings.
TEST(GifLzw, ImageDataIsGiflibsForEveryTableSize) {
    std::mt19937 random(7);
    for (int bits = 1; bits <= 8; ++bits) {
        std::vector<GifByteType> noise(300 * 200);
        for (GifByteType& index : noise)
            index = GifByteType(random() % (1u << bits));
        EXPECT_EQ(GifImageData(noise.data(), noise.size(), bits), GiflibImageData(noise, 300, bits))
            << bits << " bits";

        std::vector<GifByteType> runs(97 * 61);
        for (size_t i = 0; i < runs.size(); ++i)
            runs[i] = GifByteType((i / 37) % (1u << bits));
        EXPECT_EQ(GifImageData(runs.data(), runs.size(), bits), GiflibImageData(runs, 97, bits))
            << bits << " bits";
    }
    const std::vector<GifByteType> one{1};
    EXPECT_EQ(GifImageData(one.data(), 1, 1), GiflibImageData(one, 1, 1));
    const std::vector<GifByteType> flat(4000 * 3, 0);
    EXPECT_EQ(GifImageData(flat.data(), flat.size(), 2), GiflibImageData(flat, 4000, 2));
}
