#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The image data of a GIF for palette indices of `bitsPerPixel` bits, rows top-down: the
// starting code size, the LZW codes in blocks of up to 255 bytes, and the empty block that
// ends them. The codes grow and the table is cleared exactly as giflib's encoder does it, so
// the bytes are giflib's.
QByteArray GifImageData(const uint8_t* indices, size_t count, int bitsPerPixel);
