// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class QImage;

// The markup that shows pictures in an SVG document, each picture embedded once: the first
// showing is an <image> holding the picture as PNG; every later showing of the same picture
// (the same image, or another of the same pixels and size) is a <use> of it moved to its place.
class SvgImageSharing {
public:
    // Appends to `out` the element that shows `picture` with its top-left corner at (x, y), at
    // its size in units (its pixels over its device pixel ratio). An empty text, else why the
    // picture could not be encoded.
    QString Append(QByteArray& out, const QImage& picture, int x, int y);

private:
    struct Shown {
        QByteArray id;
        int x = 0;
        int y = 0;
    };
    void AppendUse(QByteArray& out, const Shown& shown, int x, int y) const;

    QHash<qint64, Shown> byImage_;       // by the image's cache key: nothing encoded again
    QHash<QByteArray, Shown> byContent_; // by a digest of the encoded picture and its size
};
