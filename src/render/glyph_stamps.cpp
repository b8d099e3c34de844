// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/glyph_stamps.h"

#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

namespace {

// Glyphs larger than this are left to Qt, as is a glyph met over more than so many
// backgrounds of the same ends; a font's stamps start again past so many.
constexpr int kMaxStampSide = 128;
constexpr size_t kMaxBackgrounds = 4;
constexpr size_t kMaxStamps = 4096;
// Room round a glyph's outline for what hinting and smoothing add to it.
constexpr int kScratchMargin = 4;

// Qt's own drawing of one glyph with its pen at `pen`.
void DrawGlyph(QImage& image, const QRawFont& font, quint32 glyph, QRgb colour, QPoint pen) {
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(pen)});
    QPainter painter(&image);
    painter.setPen(QColor::fromRgba(colour));
    painter.drawGlyphRun(QPointF(0, 0), run);
}

QRgb* PixelAt(const StampTarget& target, QPoint pen, int dx, int dy) {
    return reinterpret_cast<QRgb*>(target.pixels + (pen.y() + dy) * target.stride) + pen.x() + dx;
}

} // namespace

size_t GlyphStamps::KeyHash::operator()(const Key& key) const {
    uint64_t mixed = (uint64_t(key.glyph) << 32 | key.colour) * 0x9E3779B97F4A7C15u;
    mixed ^= (key.ends + uint64_t(key.format)) * 0xC2B2AE3D27D4EB4Fu;
    return size_t(mixed ^ mixed >> 29);
}

// Drawn once on a clear picture: a pixel Qt blends anything into is no longer clear. Each
// row's span runs from its first covered pixel to its last, holes and all.
const GlyphStamps::Cover& GlyphStamps::CoverOf(const QRawFont& font, quint32 glyph) {
    if (const auto found = covers_.find(glyph); found != covers_.end()) return found->second;
    if (covers_.size() >= kMaxStamps) covers_.clear(); // a font of very many glyphs
    Cover& cover = covers_[glyph];
    const QRect outline = font.boundingRect(glyph).toAlignedRect();
    const QRect scratchBox =
        outline.adjusted(-kScratchMargin, -kScratchMargin, kScratchMargin, kScratchMargin);
    if (scratchBox.width() > kMaxStampSide || scratchBox.height() > kMaxStampSide) return cover;
    QImage scratch(scratchBox.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(0);
    DrawGlyph(scratch, font, glyph, qRgb(0, 0, 0), -scratchBox.topLeft());
    const int width = scratch.width(), height = scratch.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        const auto first = std::find_if(row, row + width, [](QRgb pixel) { return pixel != 0; });
        if (first == row + width) continue;
        const auto last =
            std::find_if(std::make_reverse_iterator(row + width), std::make_reverse_iterator(first),
                         [](QRgb pixel) { return pixel != 0; });
        const int start = int(first - row), end = int(last.base() - row);
        // A glyph that reaches the scratch's edge may reach beyond it.
        if (start == 0 || end == width || y == 0 || y == height - 1) return cover;
        const QPoint from = scratchBox.topLeft() + QPoint(start, y);
        cover.spans.push_back({int16_t(from.x()), int16_t(from.y()), int16_t(end - start)});
        cover.box |= QRect(from, QSize(end - start, 1));
    }
    cover.usable = true;
    return cover;
}

bool GlyphStamps::TryStamp(const StampTarget& target, const QRawFont& font, quint32 glyph,
                           QRgb colour, QPoint pen, const Cover& cover) {
    if (cover.spans.empty()) return true; // nothing to draw
    const QRect placed = cover.box.translated(pen);
    if (placed.left() < 0 || placed.top() < 0 || placed.right() >= target.size.width() ||
        placed.bottom() >= target.size.height())
        return false;
    if (stampCount_ >= kMaxStamps) {
        stamps_.clear();
        stampCount_ = 0;
    }
    // Neighbours reach into a glyph's sides: the ends of its spans tell most backgrounds apart.
    uint64_t ends = 0;
    for (const Span& span : cover.spans) {
        const QRgb* row = PixelAt(target, pen, span.dx, span.dy);
        ends = (ends ^ row[0]) * 0x9E3779B97F4A7C15u;
        ends = (ends ^ row[span.count - 1]) * 0x9E3779B97F4A7C15u;
    }
    std::vector<Stamp>& stamps = stamps_[Key{glyph, colour, ends, target.format}];
    for (Stamp& stamp : stamps) {
        if (!IsUnder(stamp.under, target, pen, cover)) continue;
        // A glyph met once was left to Qt: only a second meeting pays for the stamp.
        if (stamp.pixels.empty())
            stamp.pixels = Blend(font, glyph, colour, cover, stamp.under, target.format);
        const QRgb* pixel = stamp.pixels.data();
        for (const Span& span : cover.spans) {
            QRgb* row = PixelAt(target, pen, span.dx, span.dy);
            for (int i = 0; i < span.count; ++i)
                row[i] = pixel[i];
            pixel += span.count;
        }
        return true;
    }
    if (stamps.size() < kMaxBackgrounds) {
        Stamp& met = stamps.emplace_back();
        for (const Span& span : cover.spans) {
            const QRgb* row = PixelAt(target, pen, span.dx, span.dy);
            met.under.insert(met.under.end(), row, row + span.count);
        }
        ++stampCount_;
    }
    return false;
}

// Whether the pixels under the glyph are `under`.
bool GlyphStamps::IsUnder(const std::vector<QRgb>& under, const StampTarget& target, QPoint pen,
                          const Cover& cover) {
    const QRgb* pixel = under.data();
    for (const Span& span : cover.spans) {
        const QRgb* row = PixelAt(target, pen, span.dx, span.dy);
        QRgb differs = 0;
        for (int i = 0; i < span.count; ++i)
            differs |= row[i] ^ pixel[i];
        if (differs != 0) return false;
        pixel += span.count;
    }
    return true;
}

// Qt's pixels for the glyph over `under`, drawn on a scratch picture holding them.
std::vector<QRgb> GlyphStamps::Blend(const QRawFont& font, quint32 glyph, QRgb colour,
                                     const Cover& cover, const std::vector<QRgb>& under,
                                     QImage::Format format) {
    QImage scratch(cover.box.size(), format);
    scratch.fill(0); // no pixel left unset beside the spans
    const auto rowOf = [&](const Span& span) {
        return reinterpret_cast<QRgb*>(scratch.scanLine(span.dy - cover.box.top())) +
               (span.dx - cover.box.left());
    };
    // The very pixels, as they are: QImage::fill would make an RGB32 pixel opaque.
    const QRgb* pixel = under.data();
    for (const Span& span : cover.spans) {
        std::copy_n(pixel, span.count, rowOf(span));
        pixel += span.count;
    }
    DrawGlyph(scratch, font, glyph, colour, -cover.box.topLeft());
    std::vector<QRgb> pixels;
    pixels.reserve(under.size());
    for (const Span& span : cover.spans)
        pixels.insert(pixels.end(), rowOf(span), rowOf(span) + span.count);
    return pixels;
}

// A glyph left to Qt is drawn after the run's stamps, so a later glyph is stamped only where
// it meets none of those: on pixels apart, the order of drawing makes no difference.
void GlyphStamps::StampRun(const StampTarget& target, const QRawFont& font, QRgb colour,
                           QList<quint32>& glyphs, QList<QPointF>& positions) {
    QRect waiting;
    bool waitingEverywhere = false;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const quint32 glyph = glyphs.at(i);
        const QPoint pen = positions.at(i).toPoint();
        const Cover& cover = CoverOf(font, glyph);
        const QRect placed = cover.box.translated(pen);
        if (cover.usable && !waitingEverywhere && !placed.intersects(waiting) &&
            TryStamp(target, font, glyph, colour, pen, cover))
            continue;
        if (cover.usable)
            waiting |= placed;
        else
            waitingEverywhere = true;
        glyphs[kept] = glyph;
        positions[kept] = positions.at(i);
        ++kept;
    }
    glyphs.resize(kept);
    positions.resize(kept);
}
