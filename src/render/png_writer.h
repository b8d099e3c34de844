// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;
class QImage;

// Writes the picture as an 8-bit RGB PNG (RGBA when it has an alpha channel) with its pixel
// density, tuned for speed: a row equal to the one above filtered to zeros, every other row
// unfiltered, all deflated by the writer's own coder (RowDeflater), which looks for copies
// only where table pictures have them. An empty text on success, else the reason.
QString WritePng(const QImage& picture, QIODevice& device);
