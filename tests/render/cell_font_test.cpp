// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cell_record.h"
#include "render/cell_font.h"
#include "render_test_support.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

CellRecord DefaultCell() {
    CellRecord cell;
    ResetCellToDefaults(cell);
    return cell;
}

} // namespace

TEST(CellFont, SizeInPixelsFromPointsAt96DotsPerInch) {
    EXPECT_EQ(PointsToPixels(10), 13);
    EXPECT_EQ(PointsToPixels(8), 11);
    EXPECT_EQ(PointsToPixels(12), 16);
    EXPECT_EQ(PointsToPixels(72), 96);
    CellRecord cell = DefaultCell();
    EXPECT_EQ(MakeCellFont(cell, 0).font.pixelSize(), 13);
    cell.fontSize = 0; // means 8 points
    EXPECT_EQ(MakeCellFont(cell, 0).font.pixelSize(), 11);
    cell.fontSize = 36;
    EXPECT_EQ(MakeCellFont(cell, 0).font.pixelSize(), 48);
}

TEST(CellFont, FaceIsTrimmedAndCutTo31Characters) {
    CellRecord cell = DefaultCell();
    cell.fontName = QStringLiteral("  Arial  ");
    EXPECT_EQ(MakeCellFont(cell, 0).font.families(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(QFontInfo(MakeCellFont(cell, 0).font).family(), QStringLiteral("Liberation Sans"));
    cell.fontName = QStringLiteral(" 0123456789012345678901234567890123456789 ");
    EXPECT_EQ(MakeCellFont(cell, 0).font.families().first(),
              QStringLiteral("0123456789012345678901234567890"));
    cell.fontName = QStringLiteral("Times New Roman");
    EXPECT_EQ(QFontInfo(MakeCellFont(cell, 0).font).family(), QStringLiteral("Liberation Serif"));
}

TEST(CellFont, StyleFlags) {
    CellRecord cell = DefaultCell();
    CellFont plain = MakeCellFont(cell, 0);
    EXPECT_EQ(plain.font.weight(), QFont::Normal);
    EXPECT_FALSE(plain.font.italic());
    EXPECT_FALSE(plain.font.underline());
    EXPECT_FALSE(plain.font.strikeOut());
    EXPECT_FALSE(plain.rotated);
    cell.bold = cell.italic = cell.underline = cell.strikeout = 1;
    const CellFont styled = MakeCellFont(cell, 0);
    EXPECT_EQ(styled.font.weight(), 700);
    EXPECT_TRUE(styled.font.italic());
    EXPECT_TRUE(styled.font.underline());
    EXPECT_TRUE(styled.font.strikeOut());
    EXPECT_EQ(styled.font.pixelSize(), 13);
}

TEST(CellFont, LeadingAsksTheSizeAsTheWholeLineHeight) {
    CellRecord cell = DefaultCell();
    cell.fontSize = 20; // 27 pixels
    const QFont normal = MakeCellFont(cell, 0).font;
    cell.leading = 1;
    const QFont leading = MakeCellFont(cell, 0).font;
    EXPECT_EQ(normal.pixelSize(), 27);
    EXPECT_LT(leading.pixelSize(), normal.pixelSize());
    const QFontMetrics metrics(leading);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 27, 1);
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("MMMM")),
              QFontMetrics(normal).horizontalAdvance(QStringLiteral("MMMM")));
}

TEST(CellFont, RotationAndCharacterSet) {
    CellRecord cell = DefaultCell();
    for (int code = int(Alignment::Left); code <= int(Alignment::RotatedCentred); ++code) {
        const auto alignment = Alignment(code);
        cell.alignment = alignment;
        const bool turned = alignment >= Alignment::RotatedTop;
        const CellFont font = MakeCellFont(cell, 204);
        EXPECT_EQ(font.rotated, turned) << code;
        // Rotated fonts use the default set whatever the table's.
        EXPECT_EQ(font.characterSet, turned ? kDefaultCharacterSet : 204) << code;
        const CellFont upright = MakeCellFont(cell, 204, FontTurn::Upright);
        EXPECT_FALSE(upright.rotated);
        EXPECT_EQ(upright.characterSet, 204);
    }
}

TEST(CellFont, CharacterSetsMapToWritingSystems) {
    EXPECT_EQ(WritingSystemForCharacterSet(0), QFontDatabase::Any);
    EXPECT_EQ(WritingSystemForCharacterSet(255), QFontDatabase::Any);
    EXPECT_EQ(WritingSystemForCharacterSet(1), QFontDatabase::Any);
    EXPECT_EQ(WritingSystemForCharacterSet(128), QFontDatabase::Japanese);
    EXPECT_EQ(WritingSystemForCharacterSet(129), QFontDatabase::Korean);
    EXPECT_EQ(WritingSystemForCharacterSet(130), QFontDatabase::Korean);
    EXPECT_EQ(WritingSystemForCharacterSet(136), QFontDatabase::TraditionalChinese);
    EXPECT_EQ(WritingSystemForCharacterSet(161), QFontDatabase::Greek);
    EXPECT_EQ(WritingSystemForCharacterSet(162), QFontDatabase::Latin);
    EXPECT_EQ(WritingSystemForCharacterSet(177), QFontDatabase::Hebrew);
    EXPECT_EQ(WritingSystemForCharacterSet(178), QFontDatabase::Arabic);
    EXPECT_EQ(WritingSystemForCharacterSet(186), QFontDatabase::Latin);
    EXPECT_EQ(WritingSystemForCharacterSet(204), QFontDatabase::Cyrillic);
    EXPECT_EQ(WritingSystemForCharacterSet(222), QFontDatabase::Thai);
    EXPECT_EQ(WritingSystemForCharacterSet(238), QFontDatabase::Latin);
    EXPECT_EQ(WritingSystemForCharacterSet(77), QFontDatabase::Any);
}

TEST(CellFont, AFaceWithoutTheTablesScriptGetsAFallbackFamily) {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (japanese.isEmpty()) GTEST_SKIP() << "no Japanese font installed";
    CellRecord cell = DefaultCell();
    const CellFont font = MakeCellFont(cell, 128);
    ASSERT_EQ(font.font.families().size(), 2);
    EXPECT_EQ(font.font.families().first(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(QFontDatabase::writingSystems(font.font.families().last())
                    .contains(QFontDatabase::Japanese));
    // Greek is in Liberation Serif itself: no fallback.
    EXPECT_EQ(MakeCellFont(cell, 161).font.families(),
              QStringList{QStringLiteral("Times New Roman")});
}
