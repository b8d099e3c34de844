#pragma once

#include "model/status.h"

#include <QByteArray>
#include <QString>

class QImage;

// The encoder for the GIF MIME type, which Qt's image writers lack.
inline constexpr char kGifEncoder[] = "gif";

// The MIME type of a picture file by the lower-cased extension of its name: ".png", ".jpg"
// (also ".jpeg"), ".gif", ".tif" (also ".tiff"), ".bmp"; empty for any other extension and for
// a name without one.
QString MimeTypeForPictureFile(const QString& fileName);

// The encoder that writes `mimeType` (compared without regard to case): a Qt image format
// name, or kGifEncoder; empty when no encoder writes it.
QByteArray FindEncoder(const QString& mimeType);

// Writes the picture to `fileName` with the encoder its extension chooses, JPEG at quality
// 100. An unknown extension, a missing encoder or a failed write gives a failed status whose
// detail names the file and the reason, and leaves no file behind.
Status SavePictureAsImage(const QImage& picture, const QString& fileName);
