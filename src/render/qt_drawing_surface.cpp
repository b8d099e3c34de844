// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/qt_drawing_surface.h"

#include "render/colour.h"
#include "render/picture.h"
#include "render/surface_shapes.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <numeric>
#include <utility>

namespace {

// Sets `count` pixels from `first` to `colour`. glibc's wide memset stores a vector register at
// a time where the plain loop stores a pixel; wchar_t is 32 bits wide here.
void FillRow(QRgb* first, qsizetype count, QRgb colour) {
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    if (count > 0)
        wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(colour), size_t(count));
}

// Printable characters below this code, other than marks, are drawn one glyph each with
// no shaping (see PreferNoShaping in MakeCellFont): a run of them is as wide as the sum of
// its characters.
constexpr char16_t kSimpleLimit = 0x0500;

// The test for every character of every line, answered from a table made at start.
const std::bitset<kSimpleLimit> kSimpleCharacters = [] {
    std::bitset<kSimpleLimit> table;
    for (char16_t code = 0; code < kSimpleLimit; ++code)
        table[code] = QChar(code).isPrint() && !QChar(code).isMark();
    return table;
}();

inline bool IsSimpleCharacter(QChar c) {
    return c.unicode() < kSimpleLimit && kSimpleCharacters[c.unicode()];
}

// Simple characters Qt draws as the face's own glyph at the pen position: the no-break space
// is left to Qt.
bool IsPlainGlyph(QChar c) {
    return IsSimpleCharacter(c) && c.unicode() != 0x00A0;
}

constexpr quint32 kUnreadGlyph = ~quint32(0);

bool IsDirectFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

QImage DiagonalCrossTile(QRgb colour) {
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, DiagonalCrossPixel(x, y) ? colour : qRgba(0, 0, 0, 0));
    }
    return tile;
}

// Fonts whose measures are kept at most; a table uses a handful.
constexpr size_t kMaxMeasuredFonts = 64;

} // namespace

QtDrawingSurface::FontMeasures::FontMeasures(const QFont& font)
    : font(font), metrics(font), advances(size_t(kSimpleLimit), -1),
      glyphs(size_t(kSimpleLimit), kUnreadGlyph), clusterRuns(font) {
    if (!LaysOutCharacterByCharacter(font)) return;
    // Each code point's advance is what it adds to the cluster's prefix before it.
    characters.emplace([wide = QFontMetricsF(font)](QStringView cluster) {
        const QString text = cluster.toString();
        ClusterAdvances advances;
        qint64 before = 0;
        for (qsizetype end = 0; end < text.size();) {
            CodePointAt(text, end);
            const qint64 prefix = std::llround(wide.horizontalAdvance(text, int(end)) * 64);
            advances.push_back(prefix - before);
            before = prefix;
        }
        return advances;
    });
}

int QtDrawingSurface::FontMeasures::Ascent() {
    if (ascent < 0) ascent = metrics.ascent();
    return ascent;
}

int QtDrawingSurface::FontMeasures::Height() {
    if (height < 0) height = metrics.height();
    return height;
}

int QtDrawingSurface::FontMeasures::Leading() {
    if (leading < 0) leading = std::max(0, metrics.leading());
    return leading;
}

quint32 QtDrawingSurface::FontMeasures::Glyph(QChar c) {
    quint32& glyph = glyphs[c.unicode()];
    if (glyph != kUnreadGlyph) return glyph;
    if (!rawFontRead) {
        rawFont = QRawFont::fromFont(font);
        rawFontRead = true;
    }
    int count = 1;
    glyph = 0;
    if (rawFont.isValid() && !rawFont.glyphIndexesForChars(&c, 1, &glyph, &count)) glyph = 0;
    return glyph;
}

QtDrawingSurface::QtDrawingSurface(int scale) : scale_(std::max(1, scale)) {
    SelectFont(font_);
}

QtDrawingSurface::QtDrawingSurface(QPaintDevice& device, QSize size)
    : vectorDevice_(&device), vectorSize_(size) {
    SelectFont(font_);
}

QtDrawingSurface::~QtDrawingSurface() {
    ReleaseTarget();
}

void QtDrawingSurface::SelectTarget(QImage& picture) {
    QPaintDevice* wanted = vectorDevice_ ? vectorDevice_ : &picture;
    if (target_ == wanted && painter_.isActive()) return;
    ReleaseTarget();
    target_ = wanted;
    area_ = vectorDevice_ ? vectorSize_ : LogicalSize(picture) / scale_;
    targetRatio_ = vectorDevice_ ? 1 : picture.devicePixelRatio();
    painter_.begin(target_);
    if (scale_ != 1) painter_.scale(scale_, scale_);
    // Solid fills may write the pixels themselves where one drawing unit is one pixel of a
    // 32-bit picture. Beginning made the picture's pixels the painter's own, so they stay
    // where the painter draws.
    const bool direct = !vectorDevice_ && scale_ == 1 && picture.devicePixelRatio() == 1 &&
                        IsDirectFormat(picture.format());
    raster_ = painter_.isActive() && direct ? &picture : nullptr;
    pixels_ = raster_ ? raster_->bits() : nullptr;
    painter_.setFont(font_.font);
    painter_.setPen(textColour_);
}

void QtDrawingSurface::ReleaseTarget() {
    if (painter_.isActive()) painter_.end();
    target_ = nullptr;
    raster_ = nullptr;
    pixels_ = nullptr;
}

void QtDrawingSurface::SetReplacing(bool replacing) {
    if (!painter_.paintEngine()->hasFeature(QPaintEngine::PorterDuff)) return;
    painter_.setCompositionMode(replacing ? QPainter::CompositionMode_Source
                                          : QPainter::CompositionMode_SourceOver);
}

void QtDrawingSurface::FillTarget(int32_t colour) {
    if (!painter_.isActive()) return;
    SetReplacing(true);
    painter_.fillRect(QRect(QPoint(0, 0), area_), QColor(RgbFromBgr(colour)));
    SetReplacing(false);
}

void QtDrawingSurface::FillPixels(int x1, int y1, int x2, int y2, QRgb colour) {
    if (x2 < x1 || y2 < y1 || !painter_.isActive()) return;
    if (!pixels_) {
        painter_.fillRect(QRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1), QColor(colour));
        return;
    }
    // What the painter's opaque fill writes, without its set-up for every box edge.
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, raster_->width() - 1);
    y2 = std::min(y2, raster_->height() - 1);
    const QRgb opaque = colour | 0xFF000000u;
    const qsizetype stride = raster_->bytesPerLine();
    for (int y = y1; y <= y2; ++y)
        FillRow(reinterpret_cast<QRgb*>(pixels_ + y * stride) + x1, x2 - x1 + 1, opaque);
}

// A box of a one-pixel outline round a solid fill, wholly on the picture, written a row at a
// time: the pixels of filling the inside and then each side, in one pass instead of five. Any
// other box answers false.
bool QtDrawingSurface::DrawSolidBoxRows(int left, int top, int right, int bottom, QRgb fill,
                                        QRgb outline) {
    if (!pixels_ || !painter_.isActive() || left < 0 || top < 0 || right >= raster_->width() ||
        bottom >= raster_->height() || right - left < 2 || bottom - top < 2)
        return false;
    const QRgb inside = fill | 0xFF000000u;
    const QRgb edge = outline | 0xFF000000u;
    const qsizetype stride = raster_->bytesPerLine();
    const auto row = [this, stride](int y) {
        return reinterpret_cast<QRgb*>(pixels_ + y * stride);
    };
    FillRow(row(top) + left, right - left + 1, edge);
    for (int y = top + 1; y < bottom; ++y) {
        QRgb* line = row(y);
        line[left] = edge;
        FillRow(line + left + 1, right - left - 1, inside);
        line[right] = edge;
    }
    FillRow(row(bottom) + left, right - left + 1, edge);
    return true;
}

void QtDrawingSurface::DrawDottedRun(int along1, int along2, PixelSpan across, bool horizontal,
                                     QRgb colour) {
    if (!painter_.isActive()) return;
    const int limit = (horizontal ? area_.width() : area_.height()) - 1;
    ForEachDottedRun(along1, along2, limit, [&](int first, int last) {
        if (horizontal)
            FillPixels(first, across.first, last, across.last, colour);
        else
            FillPixels(across.first, first, across.last, last, colour);
    });
}

void QtDrawingSurface::DrawLine(double x1, double y1, double x2, double y2, int32_t colour) {
    const int ax1 = RoundCoordinate(x1), ay1 = RoundCoordinate(y1);
    const int ax2 = RoundCoordinate(x2), ay2 = RoundCoordinate(y2);
    const QRgb rgb = RgbFromBgr(colour);
    const bool dotted = penStyle_ == PenStyle::Dotted;
    if (ay1 == ay2) {
        const PixelSpan across = PenSpan(ay1, penWidth_);
        if (dotted)
            DrawDottedRun(ax1, ax2, across, true, rgb);
        else
            FillPixels(std::min(ax1, ax2), across.first, std::max(ax1, ax2), across.last, rgb);
        return;
    }
    if (ax1 == ax2) {
        const PixelSpan across = PenSpan(ax1, penWidth_);
        if (dotted)
            DrawDottedRun(ay1, ay2, across, false, rgb);
        else
            FillPixels(across.first, std::min(ay1, ay2), across.last, std::max(ay1, ay2), rgb);
        return;
    }
    if (!painter_.isActive()) return;
    QPen pen{QColor(rgb), qreal(PenWidth(penWidth_))};
    if (dotted) pen.setDashPattern({3.0 / PenWidth(penWidth_), 3.0 / PenWidth(penWidth_)});
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen);
    painter_.drawLine(QPoint(ax1, ay1), QPoint(ax2, ay2));
    painter_.restore();
}

void QtDrawingSurface::DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                               BoxFill fill) {
    const BoxPixels box(x1, y1, x2, y2, penWidth_);
    if (fill.kind == BoxFill::Kind::Solid && PenWidth(penWidth_) == 1 &&
        DrawSolidBoxRows(box.left, box.top, box.right, box.bottom, RgbFromBgr(fill.colour),
                         RgbFromBgr(outline)))
        return;
    const PixelSpan leftBand = box.leftBand, rightBand = box.rightBand;
    const PixelSpan topBand = box.topBand, bottomBand = box.bottomBand;
    const QRect inside(QPoint(box.insideLeft, box.insideTop),
                       QPoint(box.insideRight, box.insideBottom));
    if (fill.kind == BoxFill::Kind::Solid) {
        FillPixels(inside.left(), inside.top(), inside.right(), inside.bottom(),
                   RgbFromBgr(fill.colour));
    } else if (fill.kind == BoxFill::Kind::DiagonalCross && inside.isValid() &&
               painter_.isActive()) {
        if (vectorDevice_)
            DrawDiagonalCrossLines(inside, RgbFromBgr(fill.colour));
        else
            painter_.fillRect(inside, QBrush(DiagonalCrossTile(RgbFromBgr(fill.colour))));
    } else if (fill.kind == BoxFill::Kind::Tint && inside.isValid() && painter_.isActive()) {
        QColor tint = ColourFromBgr(fill.colour);
        tint.setAlpha(kTintAlpha);
        painter_.fillRect(inside, tint);
    }

    const QRgb rgb = RgbFromBgr(outline);
    FillPixels(leftBand.first, topBand.first, rightBand.last, topBand.last, rgb);
    FillPixels(leftBand.first, bottomBand.first, rightBand.last, bottomBand.last, rgb);
    FillPixels(leftBand.first, topBand.last + 1, leftBand.last, bottomBand.first - 1, rgb);
    FillPixels(rightBand.first, topBand.last + 1, rightBand.last, bottomBand.first - 1, rgb);
}

// The hatch's pixels as lines through their centres, cut to the box by hand: vector formats
// may lack pattern brushes and clipping.
void QtDrawingSurface::DrawDiagonalCrossLines(const QRect& inside, QRgb colour) {
    painter_.save();
    painter_.setPen(QPen(QColor(colour), 1, Qt::SolidLine, Qt::SquareCap));
    ForEachDiagonalCrossSegment(inside.left(), inside.top(), inside.right(), inside.bottom(),
                                [this](int x1, int y1, int x2, int y2) {
                                    painter_.drawLine(QPointF(x1 + 0.5, y1 + 0.5),
                                                      QPointF(x2 + 0.5, y2 + 0.5));
                                });
    painter_.restore();
}

void QtDrawingSurface::CopyPicture(const QImage& source, double x, double y) {
    if (!painter_.isActive()) return;
    SetReplacing(true);
    painter_.drawImage(QPoint(RoundCoordinate(x), RoundCoordinate(y)), source);
    SetReplacing(false);
}

void QtDrawingSurface::DrawIcon(const QImage& icon, double x, double y) {
    if (!painter_.isActive()) return;
    painter_.drawImage(QPoint(RoundCoordinate(x), RoundCoordinate(y)), icon);
}

void QtDrawingSurface::SelectFont(const CellFont& font) {
    if (current_ && font.rotated == font_.rotated && font.font == font_.font) {
        font_.characterSet = font.characterSet;
        return;
    }
    font_ = font;
    if (measures_.size() >= kMaxMeasuredFonts) measures_.clear();
    current_ = &measures_.try_emplace(font_.font, font_.font).first->second;
    if (painter_.isActive()) painter_.setFont(font_.font);
}

void QtDrawingSurface::SetTextColour(int32_t colour) {
    const QColor wanted(RgbFromBgr(colour));
    if (wanted == textColour_) return;
    textColour_ = wanted;
    if (painter_.isActive()) painter_.setPen(textColour_);
}

int QtDrawingSurface::Advance(QChar c) const {
    int& advance = current_->advances[c.unicode()];
    if (advance < 0) advance = current_->metrics.horizontalAdvance(c);
    return advance;
}

// The advances of the characters of `text` where the current font knows or may learn them
// one by one; false when the text has to be laid out whole.
bool QtDrawingSurface::CollectAdvances(QStringView text, QVarLengthArray<qint64, 64>& advances,
                                       QVarLengthArray<qsizetype, 64>* clusterEnds) const {
    return current_->characters && current_->characters->Collect(text, advances, clusterEnds);
}

// The width of the first `length` characters.
int QtDrawingSurface::Width(const QString& text, qsizetype length) const {
    int width = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (IsSimpleCharacter(text[i])) {
            width += Advance(text[i]);
            continue;
        }
        QVarLengthArray<qint64, 64> advances;
        if (CollectAdvances(QStringView(text).left(length), advances))
            return RoundedPixels(std::accumulate(advances.begin(), advances.end(), qint64(0)));
        return current_->metrics.horizontalAdvance(text, int(length));
    }
    return width;
}

// Vector output keeps text as text, which only the painter's own text drawing gives; lines
// through the text are the painter's too.
bool QtDrawingSurface::DrawsGlyphsItself() const {
    return !vectorDevice_ && !font_.rotated && !font_.font.underline() && !font_.font.strikeOut();
}

// Characters the face has glyphs for are placed at the pen, advance after advance, as Qt
// places them without shaping: the same pixels without laying the line out again.
bool QtDrawingSurface::DrawGlyphRun(int x, int y, QStringView text) {
    if (!DrawsGlyphsItself()) return false;
    glyphs_.resize(0);
    positions_.resize(0);
    int pen = x;
    for (QChar c : text) {
        if (!IsPlainGlyph(c)) return false;
        const quint32 glyph = current_->Glyph(c);
        if (glyph == 0) return false;
        glyphs_.append(glyph);
        positions_.append(QPointF(pen, y));
        pen += Advance(c);
    }
    if (pixels_) {
        const StampTarget target{pixels_, raster_->bytesPerLine(), raster_->size(),
                                 raster_->format()};
        current_->stamps.StampRun(target, current_->rawFont, textColour_.rgba(), glyphs_,
                                  positions_);
        if (glyphs_.isEmpty()) return true;
    }
    // One run serves every line, made once; it lets go of the lists after drawing, so that
    // they keep their room from line to line without being copied.
    if (run_.rawFont() != current_->rawFont) run_.setRawFont(current_->rawFont);
    run_.setGlyphIndexes(glyphs_);
    run_.setPositions(positions_);
    painter_.drawGlyphRun(QPointF(0, 0), run_);
    run_.setGlyphIndexes({});
    run_.setPositions({});
    return true;
}

// Text of clusters that keep their widths anywhere, drawn cluster by cluster from the glyphs
// each was given once, at the pen as their advances move it: what the painter draws for the
// whole line, without looking the fallback glyphs up again.
bool QtDrawingSurface::DrawClusterRuns(int x, int y, QStringView text) {
    QVarLengthArray<qint64, 64> advances;
    QVarLengthArray<qsizetype, 64> clusterEnds;
    if (!DrawsGlyphsItself() || !CollectAdvances(text, advances, &clusterEnds)) return false;
    qint64 pen = 0;
    qsizetype start = 0;
    const qint64* advance = advances.cbegin();
    for (const qsizetype end : clusterEnds) {
        const QPointF origin(x + double(pen) / 64, y);
        for (const QGlyphRun& run : current_->clusterRuns.Get(text.sliced(start, end - start)))
            painter_.drawGlyphRun(origin, run);
        for (qsizetype i = start; i < end; CodePointAt(text, i))
            pen += *advance++;
        start = end;
    }
    return true;
}

void QtDrawingSurface::DrawTextRun(int x, int y, QStringView text) {
    if (DrawGlyphRun(x, y, text) || DrawClusterRuns(x, y, text)) return;
    painter_.drawText(QPoint(x, y), text.toString());
}

void QtDrawingSurface::DrawTextRuns(int x, int y, const QString& text) {
    ForEachJustifiedRun(text, justifyExtra_, justifyBreaks_,
                        [&](qsizetype start, int shift, QStringView piece) {
                            DrawTextRun(x + Width(text, start) + shift, y, piece);
                        });
}

void QtDrawingSurface::DrawText(double x, double y, const QString& text) {
    if (text.isEmpty() || !painter_.isActive()) return;
    const int left = RoundCoordinate(x), top = RoundCoordinate(y);
    if (!font_.rotated) {
        DrawTextRuns(left, top + current_->Ascent(), text);
        return;
    }
    painter_.save();
    painter_.translate(left, top);
    painter_.rotate(90);
    DrawTextRuns(0, current_->Ascent(), text);
    painter_.restore();
}

TextExtent QtDrawingSurface::MeasureText(const QString& text) const {
    return {Width(text, text.size()), current_->Height()};
}

int QtDrawingSurface::FitCharacters(const QString& text, int width) const {
    // Prefix widths grow with the prefix (whole-pixel advances, no kerning).
    int sum = 0;
    qsizetype fits = 0;
    while (fits < text.size() && IsSimpleCharacter(text[fits])) {
        sum += Advance(text[fits]);
        if (sum > width) return int(fits);
        ++fits;
    }
    if (fits == text.size()) return int(fits);
    QVarLengthArray<qint64, 64> advances;
    if (CollectAdvances(text, advances)) return FittingUnits(text, advances, width);
    // Text Qt has to shape: bisect over shaped prefixes.
    if (current_->metrics.horizontalAdvance(text) <= width) return int(text.size());
    int fails = int(text.size());
    while (fails - fits > 1) {
        const int middle = int(fits + fails) / 2;
        if (current_->metrics.horizontalAdvance(text, middle) <= width)
            fits = middle;
        else
            fails = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate()) --fits;
    return int(fits);
}

void QtDrawingSurface::SetTextJustification(int extra, int breakCount) {
    justifyExtra_ = extra;
    justifyBreaks_ = breakCount;
}

int QtDrawingSurface::Ascent() const {
    return current_->Ascent();
}

int QtDrawingSurface::LineHeight() const {
    return current_->Height() + current_->Leading();
}
