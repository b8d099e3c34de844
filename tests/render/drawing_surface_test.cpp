// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/colour.h"
#include "render/picture.h"
#include "render/pixel_rules.h"
#include "render/qt_drawing_surface.h"
#include "render/surface_shapes.h"
#include "render_test_support.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int32_t kWhiteBgr = 0xFFFFFF;
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGreen = 0x00FF00;

// The columns of row `y` that hold `colour`, from x = 0 to the picture's width.
std::vector<int> ColumnsOf(const QImage& picture, int y, int32_t colour) {
    std::vector<int> columns;
    for (int x = 0; x < picture.width(); ++x)
        if (PixelAt(picture, x, y) == colour) columns.push_back(x);
    return columns;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v)
        values.push_back(v);
    return values;
}

} // namespace

TEST(ColourConversion, TableOrderIsRedInTheLowByte) {
    EXPECT_EQ(ColourFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromBgr(0x8B0000), QColor(0, 0, 139));
    EXPECT_EQ(ColourFromBgr(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(BgrFromColour(QColor(0x56, 0x34, 0x12)), 0x123456);
    EXPECT_EQ(BgrFromRgb(RgbFromBgr(0xC0C0C0)), 0xC0C0C0);
    EXPECT_EQ(BgrFromRgb(qRgba(1, 2, 3, 0)), 0x030201); // alpha is not part of a table colour
}

TEST(Picture, IsRgb32At96DotsPerInchFilledWithTheColour) {
    const QImage picture = MakePicture(kPictureSize, kPictureSize, 0x00FF00);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), QSize(1122, 1122));
    EXPECT_EQ(picture.logicalDpiX(), 96);
    EXPECT_EQ(picture.logicalDpiY(), 96);
    EXPECT_EQ(PixelAt(picture, 0, 0), 0x00FF00);
    EXPECT_EQ(PixelAt(picture, 1121, 1121), 0x00FF00);
}

TEST(PixelRules, RoundingAndPenSpans) {
    EXPECT_EQ(RoundCoordinate(2.5), 3);
    EXPECT_EQ(RoundCoordinate(2.49), 2);
    EXPECT_EQ(RoundCoordinate(-2.5), -3);
    EXPECT_EQ(RoundCoordinate(-0.4), 0);
    EXPECT_EQ(RoundCoordinate(1e12), 1 << 24);
    EXPECT_EQ(RoundCoordinate(-1e12), -(1 << 24));
    const std::pair<int, int> expected[] = {{10, 10}, {9, 10}, {9, 11}, {8, 11}, {8, 12}};
    for (int width = 1; width <= 5; ++width) {
        const PixelSpan span = PenSpan(10, width);
        EXPECT_EQ(span.first, expected[width - 1].first) << width;
        EXPECT_EQ(span.last, expected[width - 1].second) << width;
    }
    EXPECT_EQ(PenSpan(10, 0).first, 10); // a zero width counts as 1
    EXPECT_EQ(PenSpan(10, 0).last, 10);
}

TEST(PixelRules, HatchAndDotPatterns) {
    // Row 0 of the 8 x 8 diagonal cross: pixels 0 and 7; row 3: pixels 3 and 4.
    std::vector<int> row0, row3;
    for (int x = 0; x < 8; ++x) {
        if (DiagonalCrossPixel(x, 0)) row0.push_back(x);
        if (DiagonalCrossPixel(x, 3)) row3.push_back(x);
    }
    EXPECT_EQ(row0, (std::vector<int>{0, 7}));
    EXPECT_EQ(row3, (std::vector<int>{3, 4}));
    EXPECT_EQ(DiagonalCrossPixel(-1, -1), DiagonalCrossPixel(7, 7)); // repeats every 8
    EXPECT_TRUE(DiagonalCrossPixel(-1, 0));                          // x + y = -1 = 7 mod 8
    std::vector<bool> dots;
    for (int offset = 0; offset < 8; ++offset)
        dots.push_back(DottedPixel(offset));
    EXPECT_EQ(dots, (std::vector<bool>{true, true, true, false, false, false, true, true}));
}

TEST(QtDrawingSurface, BoxOutlineAndFillForEveryPenWidth) {
    for (int width = 1; width <= 5; ++width) {
        SCOPED_TRACE(width);
        QImage picture = MakePicture(60, 60);
        QtDrawingSurface surface;
        surface.SelectTarget(picture);
        surface.SetPenWidth(width);
        surface.DrawBox(10, 10, 40, 30, kBlue, BoxFill::Solid(kRed));
        surface.ReleaseTarget();
        const PixelSpan left = PenSpan(10, width), right = PenSpan(40, width);
        const PixelSpan bottom = PenSpan(30, width);
        // Along the middle row: white, left band, fill, right band, white.
        std::vector<int> expectedBlue = Range(left.first, left.last);
        const std::vector<int> rightBlue = Range(right.first, right.last);
        expectedBlue.insert(expectedBlue.end(), rightBlue.begin(), rightBlue.end());
        EXPECT_EQ(ColumnsOf(picture, 20, kBlue), expectedBlue);
        EXPECT_EQ(ColumnsOf(picture, 20, kRed), Range(left.last + 1, right.first - 1));
        // The top band spans the whole box, corners included.
        EXPECT_EQ(ColumnsOf(picture, PenSpan(10, width).first, kBlue),
                  Range(left.first, right.last));
        EXPECT_EQ(ColumnsOf(picture, bottom.last, kBlue), Range(left.first, right.last));
        EXPECT_EQ(PixelAt(picture, 25, bottom.last + 1), kWhiteBgr);
        EXPECT_EQ(PixelAt(picture, 25, bottom.first - 1), kRed);
    }
}

TEST(QtDrawingSurface, NeighbouringBoxesShareTheirBorder) {
    QImage picture = MakePicture(40, 20);
    QtDrawingSurface surface;
    surface.SelectTarget(picture);
    surface.DrawBox(2, 2, 12, 12, 0, BoxFill::Solid(kRed));
    surface.DrawBox(12, 2, 22, 12, 0, BoxFill::Solid(kGreen));
    surface.ReleaseTarget();
    EXPECT_EQ(ColumnsOf(picture, 6, 0), (std::vector<int>{2, 12, 22}));
    EXPECT_EQ(ColumnsOf(picture, 6, kRed), Range(3, 11));
    EXPECT_EQ(ColumnsOf(picture, 6, kGreen), Range(13, 21));
}

TEST(QtDrawingSurface, HollowAndHatchedBoxesKeepWhatIsInside) {
    QImage picture = MakePicture(40, 40, kGreen);
    QtDrawingSurface surface;
    surface.SelectTarget(picture);
    surface.DrawBox(0, 0, 20, 20, kBlue, BoxFill::Hollow());
    surface.DrawBox(20, 20, 39, 39, kBlue, BoxFill::DiagonalCross(0xC0C0C0));
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(picture, 10, 10), kGreen);
    EXPECT_EQ(PixelAt(picture, 20, 10), kBlue);
    for (int y = 21; y <= 38; ++y) {
        for (int x = 21; x <= 38; ++x) {
            EXPECT_EQ(PixelAt(picture, x, y), DiagonalCrossPixel(x, y) ? 0xC0C0C0 : kGreen)
                << x << "," << y;
        }
    }
}

TEST(SurfaceShapes, TheHatchSegmentsCoverExactlyTheHatchPixels) {
    // A box that starts off the hatch's period, so both kinds of diagonal are cut at its edges.
    const int left = 3, top = 5, right = 21, bottom = 17;
    std::set<std::pair<int, int>> covered;
    ForEachDiagonalCrossSegment(left, top, right, bottom, [&](int x1, int y1, int x2, int y2) {
        const int steps = x2 - x1;
        ASSERT_EQ(std::abs(y2 - y1), steps);
        for (int i = 0; i <= steps; ++i)
            covered.insert({x1 + i, y1 + (y2 > y1 ? i : -i)});
    });
    std::set<std::pair<int, int>> expected;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (DiagonalCrossPixel(x, y)) expected.insert({x, y});
    EXPECT_EQ(covered, expected);
}

TEST(QtDrawingSurface, LinesSolidDottedAndWide) {
    QImage picture = MakePicture(30, 30);
    QtDrawingSurface surface;
    surface.SelectTarget(picture);
    surface.SetPenStyle(PenStyle::Dotted);
    surface.DrawLine(2, 5, 20, 5, kRed);
    surface.DrawLine(25, 0, 25, 29, kRed);
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(3);
    surface.DrawLine(2, 15, 12, 15, kBlue);
    surface.ReleaseTarget();
    EXPECT_EQ(ColumnsOf(picture, 5, kRed), (std::vector<int>{2, 3, 4, 8, 9, 10, 14, 15, 16, 20}));
    std::vector<int> rows;
    for (int y = 0; y < 30; ++y)
        if (PixelAt(picture, 25, y) == kRed) rows.push_back(y);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 6, 7, 8, 12, 13, 14, 18, 19, 20, 24, 25, 26}));
    for (int y = 14; y <= 16; ++y)
        EXPECT_EQ(ColumnsOf(picture, y, kBlue), Range(2, 12)) << y;
    EXPECT_EQ(PixelAt(picture, 5, 13), kWhiteBgr);
    EXPECT_EQ(PixelAt(picture, 5, 17), kWhiteBgr);
}

TEST(QtDrawingSurface, DrawingOutsideTheTargetIsClipped) {
    QImage picture = MakePicture(10, 10);
    QtDrawingSurface surface;
    surface.SelectTarget(picture);
    surface.SetPenStyle(PenStyle::Dotted);
    surface.DrawLine(-100000, 4, 100000, 4, kRed);
    surface.SetPenStyle(PenStyle::Solid);
    surface.DrawBox(-5, -5, 1e9, 3, kBlue, BoxFill::Solid(kGreen));
    surface.ReleaseTarget();
    // Dots count from the start point far to the left: offset 100000 is 100000 mod 6 = 4.
    EXPECT_EQ(ColumnsOf(picture, 4, kRed), (std::vector<int>{2, 3, 4, 8, 9}));
    EXPECT_EQ(ColumnsOf(picture, 3, kBlue), Range(0, 9));
    EXPECT_EQ(ColumnsOf(picture, 0, kGreen), Range(0, 9));
}

TEST(QtDrawingSurface, CopiesReplaceIconsBlend) {
    QImage picture = MakePicture(20, 20, kGreen);
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(qRgba(255, 0, 0, 0));
    source.setPixel(1, 1, qRgba(0, 0, 255, 255));
    QtDrawingSurface surface;
    surface.SelectTarget(picture);
    surface.DrawIcon(source, 2, 2);
    surface.CopyPicture(MakePicture(3, 3, kRed), 10.4, 10.6);
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(picture, 2, 2), kGreen); // transparent icon pixel
    EXPECT_EQ(PixelAt(picture, 3, 3), kBlue);
    EXPECT_EQ(PixelAt(picture, 10, 11), kRed); // (10.4, 10.6) rounds to (10, 11)
    EXPECT_EQ(PixelAt(picture, 12, 13), kRed);
    EXPECT_EQ(PixelAt(picture, 10, 10), kGreen);
    EXPECT_EQ(PixelAt(picture, 13, 13), kGreen);
}

TEST(QtDrawingSurface, FillTargetAndSwitchingTargets) {
    QImage first = MakePicture(5, 5), second = MakePicture(5, 5);
    QtDrawingSurface surface;
    surface.SelectTarget(first);
    surface.FillTarget(kRed);
    surface.SelectTarget(second);
    surface.FillTarget(kBlue);
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(first, 4, 4), kRed);
    EXPECT_EQ(PixelAt(second, 0, 0), kBlue);
}
