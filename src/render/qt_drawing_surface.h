// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/character_advances.h"
#include "render/cluster_glyph_runs.h"
#include "render/drawing_surface.h"
#include "render/glyph_stamps.h"
#include "render/pixel_rules.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <optional>
#include <unordered_map>
#include <vector>

class QPaintDevice;

// The drawing surface on a QPainter over a QImage (RGB32, 96 dots per inch), or over a vector
// device.
class QtDrawingSurface final : public DrawingSurface {
public:
    // Needs a QGuiApplication (fonts). Every length is multiplied by `scale` on the selected
    // picture, whose size is then `scale` times the size the drawing code sees.
    explicit QtDrawingSurface(int scale = 1);
    // Draws on `device` (a PDF writer at 96 dots per inch) whatever picture is
    // selected, within `size`; releasing the target ends the device's painting.
    QtDrawingSurface(QPaintDevice& device, QSize size);
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

    void SelectTarget(QImage& picture) override;
    void ReleaseTarget() override;
    void FillTarget(int32_t colour) override;

    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void DrawLine(double x1, double y1, double x2, double y2, int32_t colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                 BoxFill fill) override;

    void CopyPicture(const QImage& source, double x, double y) override;
    void DrawIcon(const QImage& icon, double x, double y) override;

    void SelectFont(const CellFont& font) override;
    void SetTextColour(int32_t colour) override;
    void DrawText(double x, double y, const QString& text) override;
    TextExtent MeasureText(const QString& text) const override;
    int FitCharacters(const QString& text, int width) const override;
    void SetTextJustification(int extra, int breakCount) override;
    int LineHeight() const override;
    // How far the baseline lies below the top of a line in the current font.
    int Ascent() const;
    // The width of the first `length` characters of `text` in the current font, as drawn.
    int Width(const QString& text, qsizetype length) const;
    // A picture for a screen of more device pixels per unit gets images of that detail too.
    double DetailScale() const override { return vectorDevice_ ? 0 : scale_ * targetRatio_; }

private:
    void FillPixels(int x1, int y1, int x2, int y2, QRgb colour);
    bool DrawSolidBoxRows(int left, int top, int right, int bottom, QRgb fill, QRgb outline);
    // Replaces the pixels under the next drawing, where the device can (raster pictures).
    void SetReplacing(bool replacing);
    void DrawDiagonalCrossLines(const QRect& inside, QRgb colour);
    void DrawDottedRun(int along1, int along2, PixelSpan across, bool horizontal, QRgb colour);
    void DrawTextRuns(int x, int y, const QString& text);
    void DrawTextRun(int x, int y, QStringView text);
    bool DrawsGlyphsItself() const;
    bool DrawGlyphRun(int x, int y, QStringView text);
    bool DrawClusterRuns(int x, int y, QStringView text);
    int Advance(QChar c) const;
    bool CollectAdvances(QStringView text, QVarLengthArray<qint64, 64>& advances,
                         QVarLengthArray<qsizetype, 64>* clusterEnds = nullptr) const;

    QPainter painter_;
    QPaintDevice* target_ = nullptr;
    QSize area_; // the target's size in the drawing code's units
    int scale_ = 1;
    QPaintDevice* vectorDevice_ = nullptr;
    QSize vectorSize_;
    // The target picture and its pixels when solid fills may write them directly.
    QImage* raster_ = nullptr;
    qreal targetRatio_ = 1; // the target picture's device pixels per logical pixel
    uchar* pixels_ = nullptr;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    CellFont font_;
    // The metrics of each font selected so far, with the advances and glyphs of the characters
    // Qt lays out one glyph each, read once each: measuring, fitting and drawing them then
    // need no shaping. Nothing is read before it is needed.
    struct FontMeasures {
        explicit FontMeasures(const QFont& font);
        int Ascent();
        int Height();
        int Leading();
        quint32 Glyph(QChar c);

        QFont font;
        QFontMetrics metrics;
        std::vector<int> advances; // -1: not read yet
        int ascent = -1;
        int height = -1;
        int leading = -1;
        bool rawFontRead = false;
        QRawFont rawFont;
        std::vector<quint32> glyphs; // kUnreadGlyph: not read yet; 0: not in the face
        // The other characters, for a font that lays them out one by one, and their glyphs.
        std::optional<CharacterAdvances> characters;
        ClusterGlyphRuns clusterRuns;
        GlyphStamps stamps;
    };
    struct FontHash {
        size_t operator()(const QFont& font) const { return qHash(font); }
    };
    std::unordered_map<QFont, FontMeasures, FontHash> measures_;
    FontMeasures* current_ = nullptr;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
    QGlyphRun run_;
    QColor textColour_ = Qt::black;
    int justifyExtra_ = 0;
    int justifyBreaks_ = 0;
};
