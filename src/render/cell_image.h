// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>

class MessageSink;

// Decoded image files, each read at most once, and the pictures made of them. Lives for one
// redraw only: the files are read again on the next redraw, so an edited image file shows at
// once.
class ImageFileCache {
public:
    // The decoded image, or a null image when the file cannot be decoded.
    const QImage& Decode(const QString& path);

    // The picture made of a decoded image for one size, background and detail, shared by every
    // cell that shows it: a vector file then holds one copy. Null when not made yet.
    QImage Picture(const QString& key) const { return pictures_.value(key); }
    void KeepPicture(const QString& key, const QImage& picture) { pictures_.insert(key, picture); }

private:
    QHash<QString, QImage> images_;
    QHash<QString, QImage> pictures_;
};

// The two parts of a cell's imageSpec: "path*colour".
struct ImageSpec {
    QString path;
    int32_t background = 0;
};
ImageSpec ParseImageSpec(const QString& imageSpec);

// True when the trimmed path names an existing file.
bool FileExists(const QString& path);

// The file an image or icon path of a cell names: a relative path is looked up beside the work
// file (in `workFileFolder`) first, then in the current folder. The path is trimmed.
QString LocateCellFile(const QString& path, const QString& workFileFolder);

// The folder of a work file as LocateCellFile takes it; empty for a table never saved.
QString WorkFileFolder(const QString& workFilePath);

// The size an image of `image` pixels is drawn at in a box of `box` (a side of 0 takes the
// image's own). Keeping the aspect, the relatively wider side is shrunk to the box and the
// other follows; when that side already fits, the box keeps its size and the image is
// stretched to fill it.
QSize FittedImageSize(QSizeF image, QSize box, bool keepAspect);

// The picture of an image file: the fitted size, filled with `background` (0x00BBGGRR) and
// painted with the whole image, so transparent parts show that colour. A null image on any
// failure; a missing or undecodable file is reported through `messages`. With a `detail`
// above 1 the picture has that many pixels per unit of the fitted size (its device pixel
// ratio says so); 0 keeps the image's own resolution where it is finer than the fitted size,
// up to kVectorDetail. Equal requests get the same picture (one cacheKey).
QImage LoadImageToPicture(const QString& path, int32_t background, int width, int height,
                          bool keepAspect, ImageFileCache& files, MessageSink& messages,
                          double detail = 1);

// The picture for an image cell's box, keeping the aspect.
QImage LoadCellImage(const QString& path, int width, int height, int32_t background,
                     ImageFileCache& files, MessageSink& messages, double detail = 1);

// Where an image cell's picture goes inside its border, by line thickness: the top-left
// offset from the cell's drawn corner and how much smaller than the cell the box is. No
// image is drawn for a thickness outside 1..5.
struct ImageBoxRule {
    int offset = 0;
    int shrink = 0;
};
std::optional<ImageBoxRule> ImageBoxFor(int lineThickness);
