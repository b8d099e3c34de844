// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_writer.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSysInfo>
#include <csetjmp>
#include <png.h>

namespace {

// zlib's fastest level of lazy matching: on table pictures, unfiltered, within a tenth of the
// size of the default level with adaptive filters, in half the time. The faster levels grow
// a report table's picture by 15 % or more.
constexpr int kDeflateLevel = 4;

// What the encoding needs while libpng calls back, and the first failure it met.
struct PngTarget {
    QIODevice* device;
    char failure[128]; // copied: libpng may format its message on a stack that the jump leaves
};

void WriteBytes(png_structp png, png_bytep data, size_t length) {
    auto* target = static_cast<PngTarget*>(png_get_io_ptr(png));
    if (target->device->write(reinterpret_cast<const char*>(data), qint64(length)) !=
        qint64(length))
        png_error(png, "the picture could not be written");
}

// The device is flushed by the caller, once the whole file is written.
void FlushNothing(png_structp) {}

// libpng's errors end in a jump back to the encoding, keeping the text for the caller.
[[noreturn]] void KeepError(png_structp png, png_const_charp message) {
    auto* target = static_cast<PngTarget*>(png_get_error_ptr(png));
    qstrncpy(target->failure, message, sizeof target->failure);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// The rows, from `rows` in libpng's own terms. Holds no object with a destructor: a libpng
// error jumps out of it.
bool EncodeRows(png_structp png, png_infop info, const QImage& rows, bool alpha) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_compression_level(png, kDeflateLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, png_uint_32(rows.width()), png_uint_32(rows.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_pHYs(png, info, png_uint_32(rows.dotsPerMeterX()), png_uint_32(rows.dotsPerMeterY()),
                 PNG_RESOLUTION_METER);
    png_write_info(png, info);
    // Qt's 32-bit pixels are words 0xAARRGGBB: bytes B, G, R, A on a little-endian machine.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) png_set_bgr(png);
    if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < rows.height(); ++y)
        png_write_row(png, rows.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

QString WritePng(const QImage& picture, QIODevice& device) {
    const bool alpha = picture.hasAlphaChannel();
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    // PNG stores straight (not premultiplied) alpha; elsewhere than on little-endian machines
    // the byte-ordered formats give libpng its order.
    const QImage rows = picture.convertToFormat(
        alpha ? (littleEndian ? QImage::Format_ARGB32 : QImage::Format_RGBA8888)
              : (littleEndian ? QImage::Format_RGB32 : QImage::Format_RGBX8888));
    PngTarget target{&device, {}};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &target, KeepError, IgnoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return QStringLiteral("out of memory for the PNG encoder");
    }
    png_set_write_fn(png, &target, WriteBytes, FlushNothing);
    const bool written = EncodeRows(png, info, rows, alpha);
    png_destroy_write_struct(&png, &info);
    if (written) return {};
    return target.failure[0] != 0 ? QString::fromUtf8(target.failure)
                                  : QStringLiteral("the PNG encoder failed");
}
