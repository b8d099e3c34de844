#include "render/character_advances.h"
#include "render/render_test_support.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

const QString kGrin = QStringLiteral("\U0001F600");
const QString kWink = QStringLiteral("\U0001F609");

} // namespace

TEST(CharacterAdvances, MeasuresEachCharacterOnceAndKeepsIt) {
    QList<char32_t> measured;
    CharacterAdvances advances([&measured](char32_t code) {
        measured.append(code);
        return qint64(code % 1000); // 0x1F600: 512
    });
    QVarLengthArray<qint64, 64> found;
    ASSERT_TRUE(advances.Collect(kGrin + kGrin + QStringLiteral("a") + kWink, found));
    EXPECT_EQ(measured, (QList<char32_t>{0x1F600, u'a', 0x1F609}));
    EXPECT_EQ(found, (QVarLengthArray<qint64, 64>{512, 512, 97, 521}));
    found.clear();
    ASSERT_TRUE(advances.Collect(kWink + QStringLiteral("\u4E2D"), found));
    EXPECT_EQ(measured.size(), 4); // only the new one
    EXPECT_EQ(found, (QVarLengthArray<qint64, 64>{521, 13}));

    // Characters that change with their neighbours: the text is laid out whole.
    for (const QString& text :
         {kGrin + QStringLiteral("\u200D") + kWink, QStringLiteral("\u2764\uFE0F"),
          QStringLiteral("e\u0301"), QStringLiteral("\u0627\u0644"), QStringLiteral("a\tb"),
          QString(QChar(0xD83D)) + QStringLiteral("x")}) {
        found.clear();
        EXPECT_FALSE(advances.Collect(text, found)) << text.toStdString();
    }
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
          QStringLiteral("\u2603 snow \u20AC 5"), kGrin + QStringLiteral("\u200D") + kWink}) {
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
