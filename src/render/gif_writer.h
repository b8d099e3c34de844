// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;
class QImage;

// GIF holds at most this many colours.
inline constexpr int kGifPaletteSize = 256;

// Writes the picture as a GIF through giflib. A picture of at most 256 distinct colours keeps
// them exactly; a richer one is reduced by giflib's median-cut quantiser (GifQuantizeBuffer)
// to 256 colours. An empty text on success, else the reason.
QString WriteGif(const QImage& picture, QIODevice& device);
