// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"
#include "render/picture_file.h"

#include <QByteArray>
#include <QString>

class QImage;

// The encoder for the GIF MIME type, which Qt's image writers lack.
inline constexpr char kGifEncoder[] = "gif";
// The encoder for WebP: libwebp itself, which Qt's writer uses with far more memory.
inline constexpr char kWebpEncoder[] = "webp";

// The MIME type of a picture file by the lower-cased extension of its name: ".png", ".jpg"
// (also ".jpeg"), ".gif", ".tif" (also ".tiff"), ".bmp", ".webp"; empty for any other
// extension and for a name without one.
QString MimeTypeForPictureFile(const QString& fileName);

// Whether the format of the MIME type keeps transparent pixels (PNG, WebP).
bool KeepsTransparency(const QString& mimeType);

// The encoder that writes `mimeType` (compared without regard to case): a Qt image format
// name, kGifEncoder or kWebpEncoder; empty when no encoder writes it.
QByteArray FindEncoder(const QString& mimeType);

// The writer of the picture in the format `fileName`'s extension chooses: JPEG at quality
// 100, WebP lossless. An unknown extension or a missing encoder gives a failed status whose
// detail names the file and the reason.
struct EncoderChoice {
    Status status;
    PictureWriter write;
};
EncoderChoice PictureEncoderFor(const QImage& picture, const QString& fileName);

// Writes the picture to `fileName` with the encoder its extension chooses. A failure leaves no
// file behind.
Status SavePictureAsImage(const QImage& picture, const QString& fileName);
