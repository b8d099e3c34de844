// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// Side of a cell icon in pixels.
inline constexpr int kIconSide = 25;

// The image of an icon file closest to `side` x `side`, scaled to exactly that size; a null
// image when the file is missing or is not a readable icon file.
QImage LoadIcon(const QString& path, int side = kIconSide);

// Icons loaded at most once each during one redraw. With a `detail` above 1 the icon has that
// many pixels per unit of its side (its device pixel ratio says so); 0 asks for the finest
// the vector output keeps.
class IconFileCache {
public:
    const QImage& Icon(const QString& path, double detail = 1);

private:
    QHash<QString, QImage> icons_;
};
