// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

// The largest raster picture an export writes: what its encoder takes on a side, and 2^30
// pixels in all. A larger picture is refused whole rather than written cut.
inline constexpr int kLargestPictureSide = 32767;
inline constexpr int kLargestWebpSide = 16383;
inline constexpr qint64 kMostPicturePixels = qint64(1) << 30;

// The longest side the encoder of `mimeType` takes.
int LargestPictureSide(const QString& mimeType);

// Whether a picture of `size` stays within `largestSide` and the pixel limit.
bool PictureFits(QSize size, int largestSide);

// Empty when a picture of `size` fits, else why not, naming the size and the limit.
QString PictureSizeProblem(QSize size, int largestSide);
