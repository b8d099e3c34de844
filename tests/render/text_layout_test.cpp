// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cell_record.h"
#include "render/cell_font.h"
#include "render/null_drawing_surface.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/text_layout.h"
#include "render_test_support.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

CellFont DefaultFont(Alignment alignment = Alignment::Left) {
    CellRecord cell;
    ResetCellToDefaults(cell);
    cell.alignment = alignment;
    return MakeCellFont(cell, 0);
}

// A surface whose font gives every character the same width, for exact widths.
class FixedAdvanceSurface final : public NullDrawingSurface {
public:
    explicit FixedAdvanceSurface(int advance) : advance_(advance) {}
    TextExtent MeasureText(const QString& text) const override {
        return {int(text.size()) * advance_, 10};
    }
    int FitCharacters(const QString& text, int width) const override {
        return std::min(int(text.size()), std::max(0, width / advance_));
    }
    int LineHeight() const override { return 12; }

private:
    int advance_;
};

// A real surface on a white picture with the default cell font selected.
struct TextFixture {
    QImage picture = MakePicture(400, 300);
    QtDrawingSurface surface;
    TextFixture(const CellFont& font = DefaultFont()) {
        surface.SelectTarget(picture);
        surface.SelectFont(font);
    }
    int Width(const QString& text) const { return surface.MeasureText(text).width; }
};

struct Ink {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// The bounding box of non-white pixels in a region, if any.
std::optional<Ink> InkIn(const QImage& picture, QRect region) {
    std::optional<Ink> ink;
    region = region.intersected(picture.rect());
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (PixelAt(picture, x, y) == 0xFFFFFF) continue;
            if (!ink) ink = Ink{x, x, y, y};
            ink->left = std::min(ink->left, x);
            ink->right = std::max(ink->right, x);
            ink->top = std::min(ink->top, y);
            ink->bottom = std::max(ink->bottom, y);
        }
    }
    return ink;
}

QString Repeat(QChar c, int count) {
    return QString(count, c);
}

} // namespace

TEST(LineBreaking, ThreeWordsKeepTheRemaindersLeadingSpace) {
    TextFixture f;
    const QString text = QStringLiteral("alpha beta gamma");
    const int avail = f.Width(QStringLiteral("alpha beta")) + 1;
    ASSERT_LT(avail, f.Width(QStringLiteral("alpha beta g")));
    EXPECT_EQ(BreakCellText(f.surface, text, avail),
              (QStringList{QStringLiteral("alpha beta"), QStringLiteral(" gamma")}));

    // Left aligned, the second line shows a one-space indent.
    LayOutCellText(f.surface, text, Alignment::Left, {10, 10, avail, 100}, DefaultFont(), 0);
    f.surface.ReleaseTarget();
    const int lineHeight = 16; // Liberation Serif at 13 pixels: 15 + 1 external leading
    const auto first = InkIn(f.picture, QRect(0, 10, 200, lineHeight));
    const auto second = InkIn(f.picture, QRect(0, 10 + lineHeight, 200, lineHeight));
    ASSERT_TRUE(first && second);
    EXPECT_LE(first->left, 11);
    EXPECT_GE(second->left, 10 + f.Width(QStringLiteral(" ")));
}

TEST(LineBreaking, ALongerRemainderIsSplitAgainAndLosesLeadingSpaces) {
    TextFixture f;
    const int avail = f.Width(QStringLiteral("aaa aaa"));
    ASSERT_LT(f.Width(QStringLiteral(" ")), f.Width(QStringLiteral("a")));
    // " aaa aaa aaa" is longer than "aaa aaa": split where " aaa aa" stops fitting, at its
    // second space; then "aaa aaa" is longer than "aaa" and is split again (it fits whole).
    EXPECT_EQ(
        BreakCellText(f.surface, QStringLiteral("aaa aaa aaa aaa aaa"), avail),
        (QStringList{QStringLiteral("aaa aaa"), QStringLiteral("aaa"), QStringLiteral("aaa aaa")}));
}

TEST(LineBreaking, AWordWiderThanTheCellGetsALineOfItsOwn) {
    TextFixture f;
    const int avail = f.Width(QStringLiteral("ab")) + 1;
    EXPECT_EQ(BreakCellText(f.surface, QStringLiteral("Supercalifragilistic"), avail),
              QStringList{QStringLiteral("Supercalifragilistic")});
    EXPECT_EQ(BreakCellText(f.surface, QStringLiteral("Supercalifragilistic is"), avail),
              (QStringList{QStringLiteral("Supercalifragilistic"), QStringLiteral(" is")}));
    EXPECT_EQ(BreakCellText(f.surface, QStringLiteral("ab Supercalifragilistic word"), avail),
              (QStringList{QStringLiteral("ab"), QStringLiteral("Supercalifragilistic"),
                           QStringLiteral("word")}));
}

TEST(LineBreaking, ShortWordsInANarrowCellLeaveOneEmptyLine) {
    // The remainder " cd ef" stops fitting after its leading space, which is its only space
    // before the cut: its line is empty, then each word fits a line of its own.
    FixedAdvanceSurface mono(5);
    EXPECT_EQ(
        BreakCellText(mono, QStringLiteral("ab cd ef"), 10),
        (QStringList{QStringLiteral("ab"), QString(), QStringLiteral("cd"), QStringLiteral("ef")}));
    // A word wider than the cell after such a space still gets its line at once.
    EXPECT_EQ(BreakCellText(mono, QStringLiteral("ab cdefg hi"), 10),
              (QStringList{QStringLiteral("ab"), QStringLiteral("cdefg"), QStringLiteral("hi")}));
}

TEST(LineBreaking, EmptyTextAndTheLimits) {
    TextFixture f;
    EXPECT_TRUE(BreakCellText(f.surface, QString(), 50).isEmpty());
    EXPECT_EQ(BreakCellText(f.surface, QStringLiteral("short"), 500),
              QStringList{QStringLiteral("short")});

    // 120 one-letter words one per line after the empty second line: line 100 keeps the
    // rest, unsplit.
    FixedAdvanceSurface mono(5);
    QStringList words;
    for (int i = 0; i < 120; ++i)
        words.append(QStringLiteral("a"));
    const QStringList lines = BreakCellText(mono, words.join(u' '), 5);
    ASSERT_EQ(lines.size(), kMaxTextLines);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[98], QStringLiteral("a"));
    EXPECT_EQ(lines[99], QStringList(words.mid(98)).join(u' '));

    // Only the first 273 characters are laid out.
    const QStringList whole = BreakCellText(mono, Repeat(u'x', 300), 5000);
    EXPECT_EQ(whole, QStringList{Repeat(u'x', kTextMaxUnits)});
}

TEST(TextPlacing, LeftRightAndCentred) {
    TextFixture f;
    const QString text = QStringLiteral("one two three four");
    const TextBox box{20, 30, f.Width(QStringLiteral("one two three")) + 2, 60};
    const int height = f.surface.LineHeight();
    const int w1 = f.Width(QStringLiteral("one two three"));
    const int w2 = f.Width(QStringLiteral(" four"));

    const auto left = PlaceCellText(f.surface, text, Alignment::Left, box);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].text, QStringLiteral(" four"));
    EXPECT_DOUBLE_EQ(left[0].x, 20);
    EXPECT_DOUBLE_EQ(left[1].x, 20);
    EXPECT_DOUBLE_EQ(left[0].y, 30);
    EXPECT_DOUBLE_EQ(left[1].y, 30 + height);

    const auto right = PlaceCellText(f.surface, text, Alignment::Right, box);
    EXPECT_DOUBLE_EQ(right[0].x, 20 + box.availWidth - w1 - 3);
    EXPECT_DOUBLE_EQ(right[1].x, 20 + box.availWidth - w2 - 3);

    const auto centred = PlaceCellText(f.surface, text, Alignment::Centred, box);
    EXPECT_DOUBLE_EQ(centred[0].x, 20 + (box.availWidth - w1) / 2.0);
    EXPECT_DOUBLE_EQ(centred[1].x, 20 + (box.availWidth - w2) / 2.0);

    EXPECT_TRUE(PlaceCellText(f.surface, text, Alignment(130), box).empty());
    EXPECT_TRUE(PlaceCellText(f.surface, text, Alignment(137), box).empty());
}

TEST(TextPlacing, RightAlignedTextEndsThreePixelsBeforeTheAvailableWidth) {
    TextFixture f;
    const QString text = QStringLiteral("Total");
    LayOutCellText(f.surface, text, Alignment::Right, {50, 50, 100, 40}, DefaultFont(), 0);
    f.surface.ReleaseTarget();
    const auto ink = InkIn(f.picture, QRect(0, 40, 400, 40));
    ASSERT_TRUE(ink);
    // The line box ends at 50 + 100 - 3; the glyphs end within it, close to its end.
    EXPECT_LE(ink->right, 50 + 100 - 3 - 1);
    EXPECT_GE(ink->right, 50 + 100 - 3 - 3);
    EXPECT_GE(ink->left, 50 + 100 - 3 - f.Width(text));
}

TEST(TextPlacing, JustifiedLinesOf100And95And60Pixels) {
    FixedAdvanceSurface mono(1);
    const QString a = Repeat(u'a', 49) + u' ' + Repeat(u'a', 50);                           // 100
    const QString b = Repeat(u'b', 30) + u' ' + Repeat(u'b', 30) + u' ' + Repeat(u'b', 33); // 95
    const QString c = Repeat(u'c', 29) + u' ' + Repeat(u'c', 30);                           // 60
    const auto lines =
        PlaceCellText(mono, a + u' ' + b + u' ' + c, Alignment::Justified, {0, 0, 100, 100});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, a);
    EXPECT_EQ(lines[1].text, b);
    EXPECT_EQ(lines[2].text, c);
    EXPECT_EQ(lines[0].extraPixels, 0); // the widest line
    EXPECT_EQ(lines[1].extraPixels, 5);
    EXPECT_EQ(lines[1].spaces, 2);
    EXPECT_EQ(lines[2].extraPixels, 0); // 60 < 80 % of 100
    for (const auto& line : lines)
        EXPECT_DOUBLE_EQ(line.x, 0);

    // Exactly 80 % is stretched; just below is not. (A remainder that is not split again
    // keeps its leading space, so each case ends with a third line to make it split.)
    const QString tail = u' ' + Repeat(u'f', 30);
    const QString d = Repeat(u'd', 39) + u' ' + Repeat(u'd', 40); // 80
    const auto eighty =
        PlaceCellText(mono, a + u' ' + d + tail, Alignment::Justified, {0, 0, 100, 100});
    ASSERT_EQ(eighty.size(), 3u);
    EXPECT_EQ(eighty[1].text, d);
    EXPECT_EQ(eighty[1].extraPixels, 20);
    EXPECT_EQ(eighty[1].spaces, 1);
    const QString e = Repeat(u'e', 39) + u' ' + Repeat(u'e', 39); // 79
    const auto below =
        PlaceCellText(mono, a + u' ' + e + tail, Alignment::Justified, {0, 0, 100, 100});
    ASSERT_EQ(below.size(), 3u);
    EXPECT_EQ(below[1].text, e);
    EXPECT_EQ(below[1].extraPixels, 0);
}

TEST(TextPlacing, JustificationStretchesALineToTheWidestWithTheRealFont) {
    TextFixture f;
    const int avail = f.Width(QStringLiteral("mmmm mmmm mmmm"));
    const QString text = QStringLiteral("mmmm mmmm mmmm mmm mmmm mmmm zz");
    const auto lines = PlaceCellText(f.surface, text, Alignment::Justified, {10, 10, avail, 100});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, QStringLiteral("mmm mmmm mmmm"));
    EXPECT_EQ(lines[1].extraPixels, f.Width(QStringLiteral("m")));
    EXPECT_EQ(lines[1].spaces, 2);
    EXPECT_EQ(lines[2].extraPixels, 0);

    LayOutCellText(f.surface, text, Alignment::Justified, {10, 10, avail, 100}, DefaultFont(), 0);
    f.surface.ReleaseTarget();
    const int height = 16;
    const auto first = InkIn(f.picture, QRect(0, 10, 400, height));
    const auto second = InkIn(f.picture, QRect(0, 10 + height, 400, height));
    const auto third = InkIn(f.picture, QRect(0, 10 + 2 * height, 400, height));
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(second->right, first->right); // stretched to the widest line
    EXPECT_EQ(second->left, first->left);
    EXPECT_LT(third->right, 10 + f.Width(QStringLiteral("zz")) + 1); // not stretched
}

TEST(TextPlacing, RotatedTextPositions) {
    const CellFont font = DefaultFont(Alignment::RotatedTop);
    TextFixture f(font);
    const QString text = QStringLiteral("Down");
    const TextExtent extent = f.surface.MeasureText(text);
    const TextBox box{40, 20, 61, 200};

    const auto top = PlaceCellText(f.surface, text, Alignment::RotatedTop, box);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_DOUBLE_EQ(top[0].x, 40 + 61 / 2.0 + extent.height / 2.0);
    EXPECT_DOUBLE_EQ(top[0].y, 20);
    const auto centred = PlaceCellText(f.surface, text, Alignment::RotatedCentred, box);
    EXPECT_DOUBLE_EQ(centred[0].y, 20 + (200 - extent.width) / 2.0);
    // A rotated line is never split, however narrow the cell.
    const auto narrow = PlaceCellText(f.surface, QStringLiteral("one two three"),
                                      Alignment::RotatedTop, {0, 0, 5, 5});
    ASSERT_EQ(narrow.size(), 1u);
    EXPECT_EQ(narrow[0].text, QStringLiteral("one two three"));

    // Drawn, the glyphs run downwards from y0 and lie left of x, right of x - height.
    LayOutCellText(f.surface, text, Alignment::RotatedTop, box, font, 0);
    f.surface.ReleaseTarget();
    const auto ink = InkIn(f.picture, f.picture.rect());
    ASSERT_TRUE(ink);
    const int x = RoundCoordinate(top[0].x);
    EXPECT_LE(ink->right, x);
    EXPECT_GE(ink->left, x - extent.height);
    EXPECT_GE(ink->top, 20);
    EXPECT_LE(ink->bottom, 20 + extent.width);
    EXPECT_GT(ink->bottom - ink->top, ink->right - ink->left); // taller than wide
}

TEST(TextPlacing, LeadingDrawsTheSamePointSizeSmaller) {
    CellRecord cell;
    ResetCellToDefaults(cell);
    cell.fontSize = 24;
    const CellFont normal = MakeCellFont(cell, 0);
    cell.leading = 1;
    const CellFont smaller = MakeCellFont(cell, 0);
    TextFixture f(normal);
    LayOutCellText(f.surface, QStringLiteral("H"), Alignment::Left, {10, 10, 100, 100}, normal, 0);
    LayOutCellText(f.surface, QStringLiteral("H"), Alignment::Left, {200, 10, 100, 100}, smaller,
                   0);
    f.surface.ReleaseTarget();
    const auto big = InkIn(f.picture, QRect(0, 0, 150, 100));
    const auto small = InkIn(f.picture, QRect(150, 0, 150, 100));
    ASSERT_TRUE(big && small);
    EXPECT_LT(small->bottom - small->top, big->bottom - big->top);
    EXPECT_LT(small->right - small->left, big->right - big->left);
}

TEST(TextPlacing, TextColourAndNothingForAnEmptyText) {
    CellRecord cell;
    ResetCellToDefaults(cell);
    cell.fontSize = 30;
    const CellFont big = MakeCellFont(cell, 0);
    TextFixture f(big);
    LayOutCellText(f.surface, QString(), Alignment::Left, {10, 10, 100, 100}, big, 0);
    LayOutCellText(f.surface, QStringLiteral("IIII"), Alignment::Left, {10, 100, 100, 100}, big,
                   0x0000FF);
    f.surface.ReleaseTarget();
    EXPECT_FALSE(InkIn(f.picture, QRect(0, 0, 400, 90)));
    const auto ink = InkIn(f.picture, QRect(0, 90, 400, 60));
    ASSERT_TRUE(ink);
    // Somewhere in the stems the glyphs are pure red.
    bool red = false;
    for (int x = ink->left; x <= ink->right; ++x)
        red = red || PixelAt(f.picture, x, (ink->top + ink->bottom) / 2) == 0x0000FF;
    EXPECT_TRUE(red);
}

TEST(TextMeasuring, WidthsAgreeWithQtsShapedWidths) {
    // Every character the surface measures one by one, in runs, against Qt's own layout.
    QString simple;
    for (char16_t code = 0x20; code < 0x0500; ++code) {
        const QChar c(code);
        if (c.isPrint() && !c.isMark()) simple.append(c);
    }
    const QStringList faces = {QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                               QStringLiteral("DejaVu Sans"), QStringLiteral("Courier New")};
    for (const QString& face : faces) {
        for (int style = 0; style < 4; ++style) {
            for (int16_t points : {0, 10, 13, 24}) {
                CellRecord cell;
                ResetCellToDefaults(cell);
                cell.fontName = face;
                cell.fontSize = points;
                cell.bold = style & 1;
                cell.italic = (style >> 1) & 1;
                cell.leading = style == 3;
                const CellFont font = MakeCellFont(cell, 0);
                QtDrawingSurface surface;
                surface.SelectFont(font);
                const QFontMetrics metrics(font.font);
                SCOPED_TRACE(testing::Message()
                             << face.toStdString() << " " << points << " " << style);
                for (qsizetype start = 0; start < simple.size(); start += 40) {
                    const QString run = simple.mid(start, 40);
                    EXPECT_EQ(surface.MeasureText(run).width, metrics.horizontalAdvance(run))
                        << run.toStdString();
                }
                // Text that needs shaping or a combining mark goes through Qt whole.
                for (const QString& text :
                     {QStringLiteral("e\u0301te\u0301"), QStringLiteral("\u05e9\u05dc\u05d5\u05dd"),
                      QStringLiteral("tab\there"), QStringLiteral("soft\u00adhyphen"),
                      QStringLiteral("\u0378\u0379 unassigned")}) {
                    EXPECT_EQ(surface.MeasureText(text).width, metrics.horizontalAdvance(text));
                    const int half = metrics.horizontalAdvance(text) / 2;
                    const int fits = surface.FitCharacters(text, half);
                    EXPECT_LE(metrics.horizontalAdvance(text, fits), half);
                    EXPECT_GT(metrics.horizontalAdvance(text, fits + 1), half);
                }
            }
        }
    }
}
