// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_font.h"
#include "render/glyph_stamps.h"
#include "render/picture.h"
#include "render_test_support.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

CellFont FontOf(const QString& name, int16_t size, bool italic = false) {
    CellRecord cell;
    cell.fontName = name;
    cell.fontSize = size;
    cell.italic = italic ? 1 : 0;
    return MakeCellFont(cell, 0);
}

StampTarget TargetOf(QImage& picture) {
    return {picture.bits(), picture.bytesPerLine(), picture.size(), picture.format()};
}

void DrawWithQt(QImage& picture, const QRawFont& font, const QList<quint32>& glyphs,
                const QList<QPointF>& positions, QRgb colour) {
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    QPainter painter(&picture);
    painter.setPen(QColor::fromRgba(colour));
    painter.drawGlyphRun(QPointF(0, 0), run);
}

// What a stamped run leaves, drawn by Qt, and the same run drawn by Qt alone on a copy of
// the picture: the pixels must be the same.
struct Runs {
    QImage stamped;
    QImage painted;
    QRawFont font = QRawFont::fromFont(FontOf(QStringLiteral("DejaVu Sans"), 10).font);
    GlyphStamps stamps;

    // Returns the glyphs left to Qt.
    QList<quint32> Draw(QList<quint32> glyphs, QList<QPointF> positions, QRgb colour) {
        DrawWithQt(painted, font, glyphs, positions, colour);
        stamps.StampRun(TargetOf(stamped), font, colour, glyphs, positions);
        if (!glyphs.isEmpty()) DrawWithQt(stamped, font, glyphs, positions, colour);
        return glyphs;
    }
};

} // namespace

TEST(GlyphStamps, StampsAGlyphMetAgainOverTheSamePixels) {
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(int(format));
        Runs runs;
        runs.stamped = QImage(240, 60, format);
        runs.stamped.fill(format == QImage::Format_RGB32 ? qRgb(250, 240, 200) : 0u);
        QPainter(&runs.stamped).fillRect(0, 30, 240, 30, QColor(30, 60, 90)); // the lower half
        runs.painted = runs.stamped;
        const quint32 eight = runs.font.glyphIndexesForString(QStringLiteral("8")).front();
        const quint32 g = runs.font.glyphIndexesForString(QStringLiteral("g")).front();
        const QRgb ink = qRgb(200, 20, 20);

        // The first 8 is left to Qt; the second, over the same pixels, is stamped.
        EXPECT_EQ(runs.Draw({eight, eight}, {QPointF(10, 20), QPointF(30, 20)}, ink),
                  QList<quint32>{eight});
        EXPECT_TRUE(runs.Draw({eight}, {QPointF(50, 20)}, ink).isEmpty());
        // Another colour, and a glyph across both halves, are new: left to Qt once each.
        EXPECT_EQ(runs.Draw({eight, eight}, {QPointF(70, 20), QPointF(90, 20)}, qRgb(0, 0, 255)),
                  QList<quint32>{eight});
        EXPECT_EQ(runs.Draw({g, g, g}, {QPointF(110, 26), QPointF(130, 26), QPointF(150, 26)}, ink),
                  QList<quint32>{g});
        // Over pixels another glyph has changed: the same 8 is no longer over what it was.
        EXPECT_EQ(runs.Draw({eight, eight}, {QPointF(170, 20), QPointF(173, 20)}, ink),
                  QList<quint32>{eight});
        // Reaching out of the picture: left to Qt.
        EXPECT_EQ(runs.Draw({eight}, {QPointF(236, 20)}, ink), QList<quint32>{eight});
        EXPECT_EQ(runs.stamped, runs.painted);
    }
}

// A glyph left to Qt is drawn after the stamps: a later glyph over its pixels must wait too,
// or it would be drawn under the earlier one.
TEST(GlyphStamps, AGlyphOverOneLeftToQtIsLeftToQt) {
    Runs runs;
    runs.font = QRawFont::fromFont(FontOf(QStringLiteral("DejaVu Serif"), 20, true).font);
    runs.stamped = MakePicture(200, 60);
    QPainter(&runs.stamped).fillRect(0, 0, 100, 60, QColor(255, 255, 0));
    runs.painted = runs.stamped;
    const quint32 f = runs.font.glyphIndexesForString(QStringLiteral("f")).front();
    const quint32 w = runs.font.glyphIndexesForString(QStringLiteral("W")).front();
    const QRgb ink = qRgb(0, 90, 0);
    // Each glyph met once before, over the plain fill.
    runs.Draw({f, w}, {QPointF(10, 40), QPointF(50, 40)}, ink);
    // A W the italic f reaches into (left to Qt, met first over the yellow), then a W apart.
    EXPECT_EQ(runs.Draw({w, f, w, w},
                        {QPointF(120, 40), QPointF(105, 40), QPointF(112, 40), QPointF(160, 40)},
                        ink),
              (QList<quint32>{w, f, w}));
    EXPECT_EQ(runs.stamped, runs.painted);
}

// Cell texts drawn by the surface, many times over fills and lines, against Qt's own text.
TEST(GlyphStamps, SurfaceTextIsThePaintersText) {
    const CellFont font = FontOf(QStringLiteral("Liberation Sans"), 9);
    const QFontMetrics metrics(font.font);
    QImage drawn = MakePicture(300, 200);
    {
        QPainter painter(&drawn);
        for (int x = 0; x < 300; x += 23)
            painter.fillRect(x, 0, 1, 200, QColor(128, 128, 128));
        painter.fillRect(0, 100, 300, 100, QColor(220, 230, 255));
    }
    QImage painted = drawn;
    QtDrawingSurface surface;
    surface.SelectTarget(drawn);
    surface.SelectFont(font);
    QPainter painter(&painted);
    painter.setFont(font.font);
    for (int row = 0; row < 14; ++row) {
        for (int column = 0; column < 13; ++column) {
            const QString text = QString::number((row * 7 + column) % 12 * 1.5, 'f', 1);
            const int x = column * 23 + row % 3 - 1, y = row * 14;
            const QRgb ink = row % 5 == 0 ? qRgb(180, 0, 0) : qRgb(0, 0, 0);
            surface.SetTextColour(int32_t(qRed(ink)));
            surface.DrawText(x, y, text);
            painter.setPen(QColor(ink));
            painter.drawText(QPoint(x, y + metrics.ascent()), text);
        }
    }
    painter.end();
    surface.ReleaseTarget();
    EXPECT_NE(drawn, MakePicture(300, 200));
    EXPECT_EQ(drawn, painted);
}

// A glyph whose pixels reach the picture's first or last column, or its first or last row, is
// still wholly on it: stamped on its second meeting like any other.
TEST(GlyphStamps, GlyphsTouchingThePicturesEdgesAreStamped) {
    Runs runs;
    const quint32 eight = runs.font.glyphIndexesForString(QStringLiteral("8")).front();
    // Where the 8's pixels lie round its pen: Qt's own drawing at (20, 20) on a clear picture.
    QImage probe(60, 40, QImage::Format_ARGB32_Premultiplied);
    probe.fill(0);
    DrawWithQt(probe, runs.font, {eight}, {QPointF(20, 20)}, qRgb(0, 0, 0));
    QRect inked;
    for (int y = 0; y < probe.height(); ++y)
        for (int x = 0; x < probe.width(); ++x)
            if (probe.pixel(x, y) != 0) inked |= QRect(x, y, 1, 1);
    ASSERT_FALSE(inked.isEmpty());
    inked.translate(-20, -20);

    runs.stamped = MakePicture(120, 80);
    runs.painted = runs.stamped;
    const int left = -inked.left(), right = 119 - inked.right();
    const int top = -inked.top(), bottom = 79 - inked.bottom();
    const QRgb ink = qRgb(0, 0, 0);
    EXPECT_EQ(runs.Draw({eight, eight}, {QPointF(left, top), QPointF(right, top)}, ink),
              QList<quint32>{eight});
    EXPECT_TRUE(
        runs.Draw({eight, eight}, {QPointF(left, bottom), QPointF(right, bottom)}, ink).isEmpty());
    EXPECT_EQ(runs.stamped, runs.painted);
}
