// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class QIODevice;

// Qt's image writing by format name ("jpg", "png", "tif" ...), as QImageWriter does it, but
// a format with a plugin of its own loads that plugin alone: QImageWriter asks every image
// plugin in turn whether it writes the format, loading each with its libraries.

// Whether Qt can write `format`.
bool CanWriteImageFormat(const QByteArray& format);

// Writes `picture` to `device` in `format` at `quality` (-1: the format's default); an empty
// text on success, else the reason.
QString WriteImageFormat(const QImage& picture, const QByteArray& format, int quality,
                         QIODevice& device);
