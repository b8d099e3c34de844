// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/character_advances.h"
#include "render/picture.h"
#include "render/render_test_support.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QString kGrin = QStringLiteral("\U0001F600");
const QString kWink = QStringLiteral("\U0001F609");

} // namespace

TEST(CharacterAdvances, MeasuresEachClusterOnceAndKeepsIt) {
    QStringList measured;
    // Each code point's advance: its value modulo 1000 (0x1F600: 512).
    CharacterAdvances advances([&measured](QStringView cluster) {
        measured.append(cluster.toString());
        ClusterAdvances found;
        for (qsizetype i = 0; i < cluster.size();)
            found.push_back(qint64(CodePointAt(cluster, i) % 1000));
        return found;
    });
    const QString heart = QStringLiteral("\u2764\uFE0F");
    const QString joined = kGrin + QStringLiteral("\u200D") + kWink;
    QVarLengthArray<qint64, 64> found;
    QVarLengthArray<qsizetype, 64> ends;
    ASSERT_TRUE(
        advances.Collect(kGrin + kGrin + QStringLiteral("a") + heart + joined, found, &ends));
    EXPECT_EQ(measured, (QStringList{kGrin, QStringLiteral("a"), heart, joined}));
    // U+2764, U+FE0F, 😀, U+200D, 😉: one advance per code point.
    EXPECT_EQ(found, (QVarLengthArray<qint64, 64>{512, 512, 97, 84, 39, 512, 205, 521}));
    EXPECT_EQ(ends, (QVarLengthArray<qsizetype, 64>{2, 4, 5, 7, 12}));
    found.clear();
    ASSERT_TRUE(advances.Collect(heart + QStringLiteral("e\u0301\u4E2D"), found));
    EXPECT_EQ(measured.size(), 6); // only the new ones
    EXPECT_EQ(measured.mid(4), (QStringList{QStringLiteral("e\u0301"), QStringLiteral("\u4E2D")}));
    EXPECT_EQ(found, (QVarLengthArray<qint64, 64>{84, 39, 101, 769, 13}));

    // Characters that change with their neighbours: the text is laid out whole.
    for (const QString& text :
         {QStringLiteral("\u0301e"), QStringLiteral("a\u093C"), QStringLiteral("a\U0001D165"),
          QStringLiteral("a\u0915\u093F"), QStringLiteral("\u0627\u0644"), QStringLiteral("a\tb"),
          QStringLiteral("a\u00ADa"), QString(QChar(0xD83D)) + QStringLiteral("x")}) {
        found.clear();
        EXPECT_FALSE(advances.Collect(text, found)) << text.toStdString();
    }
    EXPECT_EQ(measured.size(), 6);
}

TEST(CharacterAdvances, KeepsAtMostSixteenThousandClustersPerFont) {
    int measures = 0;
    CharacterAdvances advances([&measures](QStringView) {
        ++measures;
        return ClusterAdvances{64};
    });
    constexpr int kKept = 1 << 14;
    QString text;
    for (int i = 0; i < kKept; ++i)
        text += QChar(0x4E00 + i); // Han ideographs, one cluster each
    QVarLengthArray<qint64, 64> found;
    ASSERT_TRUE(advances.Collect(text, found));
    ASSERT_TRUE(advances.Collect(text.left(1), found));
    EXPECT_EQ(measures, kKept); // all kept
    // One more starts again from nothing.
    ASSERT_TRUE(advances.Collect(QString(QChar(0x4E00 + kKept)) + text.left(1), found));
    EXPECT_EQ(measures, kKept + 2);
    EXPECT_EQ(found.size(), kKept + 3);
}

TEST(CharacterAdvances, FitsWholeCodePointsByRoundedSums) {
    // 10 px, then 10.5 px: 20.5 rounds to 21.
    const QVarLengthArray<qint64, 64> advances{640, 672, 64};
    const QString text = kGrin + kWink + QStringLiteral("a");
    EXPECT_EQ(FittingUnits(text, advances, 9), 0);
    EXPECT_EQ(FittingUnits(text, advances, 10), 2);
    EXPECT_EQ(FittingUnits(text, advances, 20), 2);
    EXPECT_EQ(FittingUnits(text, advances, 21), 4);
    EXPECT_EQ(FittingUnits(text, advances, 22), 5);
    EXPECT_EQ(RoundedPixels(31), 0);
    EXPECT_EQ(RoundedPixels(32), 1);
}

TEST(CharacterAdvances, SurfaceMeasuresFallbackTextAsTheLayoutDoes) {
    QtDrawingSurface surface;
    CellRecord cell;
    cell.fontName = QStringLiteral("Arial");
    cell.fontSize = 12;
    const CellFont font = MakeCellFont(cell, 0);
    ASSERT_TRUE(LaysOutCharacterByCharacter(font.font));
    surface.SelectFont(font);
    const QFontMetrics metrics(font.font);
    for (const QString& text :
         {kGrin + QStringLiteral(" ab ") + kWink + kGrin, QStringLiteral("Straße \u4E2D\u6587 ok"),
          QStringLiteral("\u2603 snow \u20AC 5"), kGrin + QStringLiteral("\u200D") + kWink,
          // Clusters: marks, selectors, a keycap, a skin tone.
          QStringLiteral("e\u0301te\u0301 x\u0308\u0323"),
          QStringLiteral("\u2764\uFE0F ok \u2764\uFE0F\u2764"),
          QStringLiteral("1\uFE0F\u20E3 #\u20E3"), kGrin + QStringLiteral("\U0001F3FD ") + kWink}) {
        SCOPED_TRACE(text.toStdString());
        const int width = metrics.horizontalAdvance(text);
        EXPECT_EQ(surface.MeasureText(text).width, width);
        for (int limit = 0; limit <= width + 1; ++limit) {
            // The longest prefix of whole characters within the limit.
            int expected = 0;
            for (int units = 1; units <= text.size(); ++units) {
                if (text[units - 1].isHighSurrogate()) continue;
                if (metrics.horizontalAdvance(text.left(units)) <= limit) expected = units;
            }
            ASSERT_EQ(surface.FitCharacters(text, limit), expected) << limit;
        }
    }
}

// Clusters drawn from the glyphs kept for them land on the pixels the painter gives the line.
TEST(CharacterAdvances, SurfaceDrawsClustersAsThePainterDoes) {
    CellRecord cell;
    cell.fontName = QStringLiteral("Times New Roman");
    cell.fontSize = 14;
    const CellFont font = MakeCellFont(cell, 0);
    const QFontMetrics metrics(font.font);
    for (const QString& text :
         {QStringLiteral("e\u0301te\u0301 x\u0308"), QStringLiteral("\u2764\uFE0F \u4E2D 1\u20E3"),
          kGrin + QStringLiteral("\U0001F3FD ab") + kWink}) {
        SCOPED_TRACE(text.toStdString());
        QImage drawn = MakePicture(200, 40);
        QtDrawingSurface surface;
        surface.SelectTarget(drawn);
        surface.SelectFont(font);
        surface.DrawText(7, 5, text);
        surface.DrawText(7, 5 + metrics.height(), text); // a second time, from what is kept
        surface.ReleaseTarget();

        QImage painted = MakePicture(200, 40);
        QPainter painter(&painted);
        painter.setFont(font.font);
        painter.drawText(QPoint(7, 5 + metrics.ascent()), text);
        painter.drawText(QPoint(7, 5 + metrics.height() + metrics.ascent()), text);
        painter.end();
        EXPECT_NE(drawn, MakePicture(200, 40));
        EXPECT_EQ(drawn, painted);
    }
}
