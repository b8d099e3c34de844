// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"

#include <QString>
#include <functional>

class QIODevice;

// Writes the bytes of a picture file: an empty text on success, else the reason.
using PictureWriter = std::function<QString(QIODevice& device)>;

// Encodes the picture straight into `device`, checking every write, and flushes it, so an
// encoder that does not check its own writes cannot hide a short or failed write: an empty
// text on success, else the reason in the system's words. A failure may leave part of the
// file written; WritePictureFile then drops it.
QString WritePictureTo(QIODevice& device, const PictureWriter& write);

// Writes `path` through a temporary file that replaces it only when the writer, every write,
// the flush and the close have succeeded, so a failed or interrupted export never leaves a
// half-written picture behind, nor damages an older file of that name. The detail of a
// failure names the file and the reason.
Status WritePictureFile(const QString& path, const PictureWriter& write);

// A failed export of `path` for `reason`.
Status PictureFileFailure(const QString& path, const QString& reason);

// Whether two names lead to the same existing file (the same device and inode), also through
// links.
bool IsSameFile(const QString& first, const QString& second);
