// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QIODevice>

// Passes the SVG document Qt's generator writes on to `target`, with each embedded picture
// written once: the generator embeds every drawn copy, so a later <image> of the same data and
// size becomes a <use> of the first, moved to its place.
class SvgImageSharing final : public QIODevice {
public:
    explicit SvgImageSharing(QIODevice& target);
    // Writes what is still held; false when a write to the target failed.
    bool Finish();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool Step();
    bool Pass(QByteArrayView bytes);
    QByteArray Shared(QByteArrayView element);

    struct Shown {
        QByteArray id;
        double x = 0;
        double y = 0;
    };
    QIODevice& target_;
    QByteArray held_;        // what is not written on yet
    bool inImage_ = false;   // `held_` begins with an <image> element not yet complete
    qsizetype searched_ = 0; // how far `held_` is known to hold no end of that element
    bool failed_ = false;
    QHash<QByteArray, Shown> shown_; // by a digest of the data and the size
};
