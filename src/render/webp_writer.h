// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;
class QImage;

// Writes the picture as lossless WebP straight from its pixels (an opaque 32-bit picture is
// not copied), at libwebp's fastest method, which needs about twice the picture's memory
// where the slower ones need five times: the decoded pixels are the same. An empty text on
// success, else the reason.
QString WriteWebp(const QImage& picture, QIODevice& device);
