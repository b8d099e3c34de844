// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/webp_writer.h"

#include <QIODevice>
#include <QImage>
#include <webp/encode.h>

namespace {

// The effort Qt's WebP writer gives lossless pictures; the method is what keeps the memory low.
constexpr float kLosslessEffort = 70;
constexpr int kFastestMethod = 0;

struct WebpTarget {
    QIODevice* device;
    bool failed = false;
};

int WriteBytes(const uint8_t* data, size_t size, const WebPPicture* picture) {
    auto* target = static_cast<WebpTarget*>(picture->custom_ptr);
    target->failed =
        target->device->write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size);
    return target->failed ? 0 : 1;
}

} // namespace

QString WriteWebp(const QImage& picture, QIODevice& device) {
    if (picture.isNull()) return QStringLiteral("the picture is empty");
    // libwebp's pixels are words 0xAARRGGBB with straight alpha, as Qt's ARGB32; RGB32 reads
    // as opaque ARGB32.
    const bool alpha = picture.hasAlphaChannel();
    QImage pixels = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // The encoder clears the colours of fully transparent pixels in place: a picture with alpha
    // gets pixels of its own for that.
    uchar* bits = alpha ? pixels.bits() : const_cast<uchar*>(pixels.constBits());
    WebPConfig config;
    WebPPicture input;
    if (!WebPConfigInit(&config) || !WebPPictureInit(&input))
        return QStringLiteral("the WebP encoder is not the version it was built with");
    config.lossless = 1;
    config.quality = kLosslessEffort;
    config.method = kFastestMethod;
    // An opaque picture has no hidden colours to clean: the encoder then leaves the pixels it
    // is lent as they are.
    config.exact = alpha ? 0 : 1;
    input.use_argb = 1;
    input.width = pixels.width();
    input.height = pixels.height();
    input.argb = reinterpret_cast<uint32_t*>(bits);
    input.argb_stride = int(pixels.bytesPerLine() / 4);
    WebpTarget target{&device};
    input.writer = WriteBytes;
    input.custom_ptr = &target;
    const bool written = WebPEncode(&config, &input) != 0;
    const WebPEncodingError error = input.error_code;
    // Frees only what the encoder allocated itself: the lent pixels stay the picture's.
    WebPPictureFree(&input);
    if (written) return {};
    if (target.failed) return device.errorString();
    return QStringLiteral("the WebP encoder failed (error %1)").arg(int(error));
}
