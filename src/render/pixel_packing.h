// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

// Straight (not premultiplied) pixels into PNG's byte order: R, G, B and, with `alpha`, A.
// On processors with SSSE3 four pixels are reordered at once, which makes the packing of a
// picture's rows a small part of its PNG export rather than a tenth.
void PackPngRow(const QRgb* pixels, int width, bool alpha, uchar* out);
