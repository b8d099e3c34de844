#pragma once

#include "model/status.h"

#include <QString>
#include <functional>

class QIODevice;

// Writes the bytes of a picture file: an empty text on success, else the reason.
using PictureWriter = std::function<QString(QIODevice& device)>;

// Writes `path` through a temporary file that replaces it only when the writer has succeeded,
// so a failed or interrupted export never leaves a half-written picture behind, nor damages
// an older file of that name. The detail of a failure names the file and the reason.
Status WritePictureFile(const QString& path, const PictureWriter& write);

// A failed export of `path` for `reason`.
Status PictureFileFailure(const QString& path, const QString& reason);
