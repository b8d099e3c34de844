// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The 32-bit picture a run of glyphs is drawn on, one device pixel per pixel.
struct StampTarget {
    uchar* pixels;
    qsizetype stride;
    QSize size;
    QImage::Format format;
};

// The pixels Qt writes for the glyphs of one font, kept per glyph, pen colour and the pixels
// under the glyph once a glyph has been drawn twice over the same pixels. Qt blends each pixel
// of a glyph from that pixel, the glyph's coverage and the pen alone, so a glyph over pixels
// it has been drawn over before gets exactly the same pixels again: copied, not blended. In a
// table the same digits land on the same fills and lines cell after cell.
class GlyphStamps {
public:
    // Stamps what it can of a run of `font` drawn in `colour` at whole-pixel `positions`, and
    // leaves in `glyphs` and `positions`, in their order, the glyphs Qt still has to draw.
    void StampRun(const StampTarget& target, const QRawFont& font, QRgb colour,
                  QList<quint32>& glyphs, QList<QPointF>& positions);

private:
    // The pixels a glyph covers, as a span a row from its pen.
    struct Span {
        int16_t dx, dy, count;
    };
    struct Cover {
        bool usable = false;
        QRect box; // round the spans, from the pen
        std::vector<Span> spans;
    };
    struct Key {
        quint32 glyph;
        QRgb colour;
        uint64_t ends; // a hash of the pixels under the ends of the glyph's spans
        QImage::Format format;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };
    // One pixel for each covered one, span after span: before the glyph and, once it has
    // been met twice over them, after.
    struct Stamp {
        std::vector<QRgb> under;
        std::vector<QRgb> pixels;
    };

    const Cover& CoverOf(const QRawFont& font, quint32 glyph);
    bool TryStamp(const StampTarget& target, const QRawFont& font, quint32 glyph, QRgb colour,
                  QPoint pen, const Cover& cover);
    static bool IsUnder(const std::vector<QRgb>& under, const StampTarget& target, QPoint pen,
                        const Cover& cover);
    static std::vector<QRgb> Blend(const QRawFont& font, quint32 glyph, QRgb colour,
                                   const Cover& cover, const std::vector<QRgb>& under,
                                   QImage::Format format);

    std::unordered_map<quint32, Cover> covers_;
    std::unordered_map<Key, std::vector<Stamp>, KeyHash> stamps_;
    size_t stampCount_ = 0;
};
