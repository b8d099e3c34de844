// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"
#include "render/approximate_view.h"
#include "render/cell_image.h"
#include "render/image_report_memory.h"
#include "render/picture.h"
#include "render/pixel_rules.h"
#include "render/table_renderer.h"
#include "render/table_spans.h"
#include "render_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kPage = 0xE0E0E0;
constexpr int32_t kLine = 0xFF0000; // blue
constexpr int32_t kFill = 0x00FFFF; // yellow
constexpr int32_t kDarkBlue = 0x8B0000;
constexpr int32_t kSilver = 0xC0C0C0;

// A table whose cells are filled yellow, with blue lines on a grey page.
Document ColouredTable(int columns, int rows, int width, int height, int separator = 0,
                       int thickness = 1) {
    Document document;
    TableSettings& s = document.settings;
    s.gridCellWidth = int16_t(width);
    s.gridCellHeight = int16_t(height);
    s.separatorPixels = int16_t(separator);
    s.lineThickness = thickness;
    s.lineColour = kLine;
    s.pageColour = kPage;
    CreateTable(document, columns, rows, 2, 2, kLine);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            document.cell(c, r).backColour = kFill;
    return document;
}

// Drawn corner of cell (c, r) of a table made at origin 2 and drawn at origin 2.
int X1(const Document& d, int c) {
    return c * (d.settings.gridCellWidth + d.settings.separatorPixels) + 4;
}
int Y1(const Document& d, int r) {
    return r * (d.settings.gridCellHeight + d.settings.separatorPixels) + 4;
}

struct Renderer {
    explicit Renderer(Document& d) : document(d) {}

    const QImage& Draw(const RenderOptions& options = {}) {
        picture = MakePicture(kPictureSize, kPictureSize, document.settings.pageColour);
        surface.texts.clear();
        SettleForDrawing(document, options, clock);
        RenderTable(surface, picture, document, options, sink, memory);
        surface.ReleaseTarget();
        return picture;
    }
    int32_t At(int x, int y) const { return PixelAt(picture, x, y); }
    // Every pixel of the rectangle has the colour.
    bool AllOf(QRect area, int32_t colour) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(x, y) != colour) return false;
        return true;
    }
    bool NoneOf(QRect area, int32_t colour) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(x, y) == colour) return false;
        return true;
    }

    Document& document;
    RecordingSurface surface;
    RecordingSink sink;
    ImageReportMemory memory;
    FixedClock clock{QDate(2024, 5, 17)};
    QImage picture;
};

QImage Filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void MakeImageCell(CellRecord& cell, const QString& path, int32_t background) {
    cell.imageSpec = path + u'*' + QString::number(background);
    cell.backColour = -2;
}

} // namespace

TEST(PageFrame, FrameAndDottedRedMarks) {
    QImage picture = MakePicture(kPictureSize, kPictureSize);
    QtDrawingSurface surface;
    ClearPicture(surface, picture, kPage);
    DrawPageFrame(surface, picture);
    surface.ReleaseTarget();
    const auto at = [&](int x, int y) { return PixelAt(picture, x, y); };
    EXPECT_EQ(at(0, 0), kPage);
    EXPECT_EQ(at(1, 1), 0);
    EXPECT_EQ(at(600, 1), 0);
    EXPECT_EQ(at(1, 600), 0);
    EXPECT_EQ(at(1119, 600), 0);
    EXPECT_EQ(at(1118, 600), kPage);
    EXPECT_EQ(at(1120, 600), kPage);
    EXPECT_EQ(at(600, 2), kPage);
    EXPECT_EQ(at(600, 1121), kPage); // the bottom edge at 1122 lies off the picture
    const int32_t red = 0x0000FF;
    // Vertical mark: 3 on, 3 off from y = 0, over the frame's top line.
    EXPECT_EQ(at(794, 0), red);
    EXPECT_EQ(at(794, 1), red);
    EXPECT_EQ(at(794, 2), red);
    EXPECT_EQ(at(794, 3), kPage);
    EXPECT_EQ(at(794, 5), kPage);
    EXPECT_EQ(at(794, 6), red);
    EXPECT_EQ(at(793, 0), kPage);
    EXPECT_EQ(at(795, 0), kPage);
    // Horizontal mark.
    EXPECT_EQ(at(1, 794), red);
    EXPECT_EQ(at(3, 794), kPage);
    EXPECT_EQ(at(1119, 794), 0); // offset 1119: off, the frame shows
    EXPECT_EQ(at(1116, 794), red);
    EXPECT_EQ(at(1114, 794), kPage);
}

TEST(CellPass, BordersAndFillsForSeparatorsAndThicknesses) {
    for (int separator : {0, 3}) {
        for (int t = 1; t <= 5; ++t) {
            SCOPED_TRACE(testing::Message() << "separator " << separator << " thickness " << t);
            Document document = ColouredTable(3, 2, 40, 20, separator, t);
            Renderer r(document);
            r.Draw();
            // Across the cells, along the middle of row 0 and down the middle of column 0:
            // each cell's fill between its two pen bands, later cells over earlier ones.
            const auto expectedLine = [&](int count, int size, int first) {
                std::vector<int32_t> expected(200, kPage);
                for (int i = 0; i < count; ++i) {
                    const int a = first + i * (size + separator), b = a + size;
                    for (int p = PenSpan(a, t).last + 1; p < PenSpan(b, t).first; ++p)
                        expected[size_t(p)] = kFill;
                    for (int edge : {a, b})
                        for (int p = PenSpan(edge, t).first; p <= PenSpan(edge, t).last; ++p)
                            expected[size_t(p)] = kLine;
                }
                return expected;
            };
            std::vector<int32_t> across, down;
            for (int i = 0; i < 200; ++i) {
                across.push_back(r.At(i, 14));
                down.push_back(r.At(20, i));
            }
            EXPECT_EQ(across, expectedLine(3, 40, 4));
            EXPECT_EQ(down, expectedLine(2, 20, 4));
        }
    }
    // Explicit cases: shared border without separators, page colour between with them.
    Document shared = ColouredTable(3, 2, 40, 20, 0, 1);
    Renderer a(shared);
    a.Draw();
    EXPECT_EQ(a.At(43, 10), kFill);
    EXPECT_EQ(a.At(44, 10), kLine);
    EXPECT_EQ(a.At(45, 10), kFill);
    EXPECT_EQ(a.At(124, 10), kLine);
    EXPECT_EQ(a.At(125, 10), kPage);
    Document apart = ColouredTable(3, 2, 40, 20, 3, 1);
    Renderer b(apart);
    b.Draw();
    EXPECT_EQ(b.At(44, 10), kLine);
    EXPECT_EQ(b.At(45, 10), kPage);
    EXPECT_EQ(b.At(46, 10), kPage);
    EXPECT_EQ(b.At(47, 10), kLine);
    EXPECT_EQ(b.At(20, 24), kLine);
    EXPECT_EQ(b.At(20, 25), kPage);
    EXPECT_EQ(b.At(20, 27), kLine);
}

TEST(Spans, RunsOfAbsorbedCellsCountTowardsTheirOwner) {
    Document document = ColouredTable(4, 4, 20, 20);
    // Row 0: owner, absorbed, absorbed-above, absorbed: the 2 interrupts the run.
    document.cell(1, 0).joinState = 1;
    document.cell(2, 0).joinState = 2;
    document.cell(3, 0).joinState = 1;
    // Row 1: owner with two absorbed cells, then an owner.
    document.cell(1, 1).joinState = 1;
    document.cell(2, 1).joinState = 1;
    // Column 3 from row 1: owner with two absorbed-above cells, then one absorbed-left.
    document.cell(3, 2).joinState = 2;
    document.cell(3, 3).joinState = 2;
    const TableSpans spans = ComputeSpans(document);
    EXPECT_EQ(spans.right.at(0, 0), 1);
    EXPECT_EQ(spans.right.at(2, 0), 0);
    EXPECT_EQ(spans.right.at(0, 1), 2);
    EXPECT_EQ(spans.right.at(3, 1), 0);
    EXPECT_EQ(spans.down.at(3, 1), 2);
    EXPECT_EQ(spans.down.at(0, 0), 0);
    // (2, 0) is absorbed from above: the owner of its column, (2, -), does not exist, but
    // the run still counts for nobody; (2, 1) is absorbed from the left and stops it.
    EXPECT_EQ(spans.down.at(2, 0), 0);
}

TEST(CellPass, JoinedBlocksAreDrawnOnceAcrossTheirSeparators) {
    Document document = ColouredTable(4, 2, 40, 20, 2);
    // Three cells of row 0 joined: the owner holds the right edge of the last one.
    document.cell(0, 0).right = document.cell(2, 0).right;
    document.cell(1, 0).joinState = 1;
    document.cell(2, 0).joinState = 1;
    document.cell(1, 0).text = QStringLiteral("hidden");
    // Two cells of column 3 joined vertically.
    document.cell(3, 0).bottom = document.cell(3, 1).bottom;
    document.cell(3, 1).joinState = 2;
    Renderer r(document);
    r.Draw();
    // Owner from 4 to 122 + 2 + 2 * 2 = 128.
    EXPECT_EQ(r.At(4, 14), kLine);
    EXPECT_TRUE(r.AllOf(QRect(5, 14, 123, 1), kFill));
    EXPECT_EQ(r.At(128, 14), kLine);
    EXPECT_EQ(r.At(129, 14), kPage);
    EXPECT_EQ(r.At(130, 14), kLine); // column 3 starts at 3 * 42 + 4
    // Column 3's block: from y 4 to 42 + 2 + 2 = 46, no border at row 1's top (26).
    EXPECT_EQ(r.At(150, 46), kLine);
    EXPECT_EQ(r.At(150, 26), kFill);
    EXPECT_EQ(r.At(150, 47), kPage);
    EXPECT_EQ(r.At(20, 26), kLine); // row 1 of column 0 is drawn as usual
    EXPECT_FALSE(r.surface.DrawnTexts().contains(QStringLiteral("hidden")));
    EXPECT_EQ(document.settings.tableRetouched, 1);
}

// Text in a joined block has the block's whole width, the separators inside it included: it
// sits as in a single cell of that width.
TEST(CellPass, AJoinedBlocksTextSpansItsSeparators) {
    Document joined = ColouredTable(4, 2, 40, 20, 2);
    joined.cell(0, 0).right = joined.cell(2, 0).right;
    joined.cell(1, 0).joinState = 1;
    joined.cell(2, 0).joinState = 1;
    Document single = ColouredTable(2, 2, 3 * 40 + 2 * 2, 20);
    double offsets[2] = {};
    Document* documents[2] = {&joined, &single};
    for (int i = 0; i < 2; ++i) {
        CellRecord& owner = documents[i]->cell(0, 0);
        owner.text = QStringLiteral("R");
        owner.alignment = Alignment::Right;
        Renderer r(*documents[i]);
        r.Draw();
        ASSERT_EQ(r.surface.texts.size(), 1u);
        offsets[i] = r.surface.texts[0].x - X1(*documents[i], 0);
    }
    EXPECT_GT(offsets[1], 100);
    EXPECT_DOUBLE_EQ(offsets[0], offsets[1]);
}

TEST(CellPass, AnAbsorbedAboveCellStopsTheHorizontalCount) {
    Document document = ColouredTable(4, 2, 40, 20, 2);
    document.cell(0, 0).right = document.cell(1, 0).right;
    document.cell(1, 0).joinState = 1;
    document.cell(2, 0).joinState = 2;
    document.cell(3, 0).joinState = 1;
    Renderer r(document);
    r.Draw();
    // The owner spans one separator only: right edge 82 + 2 + 2 = 86.
    EXPECT_EQ(r.At(86, 14), kLine);
    EXPECT_EQ(r.At(85, 14), kFill);
    EXPECT_TRUE(r.AllOf(QRect(87, 5, 100, 20), kPage)); // cells 2 and 3 are not drawn
}

TEST(CellPass, LineOnlyStyles) {
    for (int style = 0; style < 2; ++style) {
        SCOPED_TRACE(style == 0 ? "rows" : "columns");
        Document flat = ColouredTable(3, 3, 40, 20, 0);
        (style == 0 ? flat.settings.horizontalLinesWithCellAreas
                    : flat.settings.verticalLinesWithCellAreas) = 1;
        Renderer r(flat);
        r.Draw();
        EXPECT_TRUE(r.NoneOf(QRect(0, 0, 200, 100), kLine)); // no lines at separator 0
        EXPECT_EQ(r.At(44, 10), kFill); // the box outline is the cell's own colour
    }
    Document rows = ColouredTable(3, 3, 40, 20, 3);
    rows.settings.horizontalLinesWithCellAreas = 1;
    const QString png = SaveTestImage(QStringLiteral("lines.png"), Filled(10, 10, Qt::red));
    MakeImageCell(rows.cell(2, 2), png, 0xFFFFFF);
    Renderer r(rows);
    r.Draw();
    // Under each row, from the cell's left edge to the table's right edge 122 + 6 + 2.
    EXPECT_TRUE(r.AllOf(QRect(4, 24, 127, 1), kLine));
    EXPECT_EQ(r.At(131, 24), kPage);
    EXPECT_EQ(r.At(45, 10), kPage); // separators show the page
    EXPECT_EQ(r.At(20, 25), kPage);
    EXPECT_EQ(r.At(44, 10), kFill);
    EXPECT_EQ(r.At(X1(rows, 2), Y1(rows, 2) + 15), 0xFFFFFE); // image cell outline

    Document columns = ColouredTable(3, 3, 40, 20, 3);
    columns.settings.verticalLinesWithCellAreas = 1;
    Renderer c(columns);
    c.Draw();
    // Right of each cell, from its top down to the table's bottom 62 + 6 + 2.
    EXPECT_TRUE(c.AllOf(QRect(44, 4, 1, 67), kLine));
    EXPECT_EQ(c.At(44, 71), kPage);
    EXPECT_EQ(c.At(4, 10), kFill);
    EXPECT_EQ(c.At(45, 10), kPage);
}

TEST(CellPass, CancelledCellsShowThePageStoppedCellsAreDrawn) {
    Document document = ColouredTable(3, 3, 40, 20);
    document.cell(1, 1).cellState = 1;
    document.cell(1, 1).text = QStringLiteral("gone");
    document.cell(2, 2).cellState = 2;
    Renderer r(document);
    r.Draw();
    EXPECT_TRUE(r.AllOf(QRect(45, 25, 39, 19), kPage)); // inside the neighbours' borders
    EXPECT_EQ(r.At(44, 30), kLine);                     // drawn by the left neighbour
    EXPECT_FALSE(r.surface.DrawnTexts().contains(QStringLiteral("gone")));
    EXPECT_EQ(r.At(100, 55), kFill);
    EXPECT_EQ(document.settings.tableRetouched, 1);

    // Nothing joined or cancelled: the flag is left as it is, never cleared.
    Document plain = ColouredTable(2, 2, 40, 20);
    Renderer p(plain);
    p.Draw();
    EXPECT_EQ(plain.settings.tableRetouched, 0);
    plain.settings.tableRetouched = 1;
    p.Draw();
    EXPECT_EQ(plain.settings.tableRetouched, 1);
}

TEST(TitleBars, BothBarsLeaveTheCornerCancelled) {
    Document document;
    TableSettings& s = document.settings;
    s.gridCellWidth = 40;
    s.gridCellHeight = 20;
    s.pageColour = kPage;
    s.lineColour = kLine;
    s.horizontalTitleBar = 1;
    s.verticalTitleBar = 1;
    s.horizontalBarFill = 0x00FF00;
    s.horizontalBarBorder = 0x0000FF;
    s.verticalBarFill = 0xFF00FF;
    s.verticalBarBorder = 0x808080;
    CreateTable(document, 3, 3, 2, 2, kLine);
    document.cell(0, 0).text = QStringLiteral("Corner");
    for (CellRecord* cell : {&document.cell(1, 0), &document.cell(1, 1)}) {
        cell->text = QStringLiteral("1234.5");
        cell->numericAllowed = 1;
        cell->numberFormat = 1;
    }
    Renderer r(document);
    r.Draw();
    EXPECT_EQ(document.cell(0, 0).cellState, 1);
    EXPECT_EQ(r.At(40, 20), kPage); // the corner, away from its text
    // Horizontal bar from cell (1, 0) to the row's right edge 124, down to 24.
    EXPECT_EQ(r.At(44, 14), 0x0000FF);
    EXPECT_EQ(r.At(124, 14), 0x0000FF);
    EXPECT_EQ(r.At(100, 20), 0x00FF00);
    EXPECT_EQ(r.At(100, 4), 0x0000FF);
    // Vertical bar from cell (0, 1) down to the column's bottom edge 64.
    EXPECT_EQ(r.At(4, 50), 0x808080);
    EXPECT_EQ(r.At(20, 64), 0x808080);
    EXPECT_EQ(r.At(20, 50), 0xFF00FF);
    // Each bar walks from index 0, so the corner's text is drawn by both; bar texts are
    // drawn unformatted, body texts through their number format.
    const QStringList texts = r.surface.DrawnTexts();
    EXPECT_EQ(texts.count(QStringLiteral("Corner")), 2);
    EXPECT_TRUE(texts.contains(QStringLiteral("1234.5")));
    EXPECT_TRUE(texts.contains(QStringLiteral("1,234.50")));
}

TEST(TitleBars, OneBarCoversItsWholeRowOrColumn) {
    Document document;
    document.settings.gridCellWidth = 40;
    document.settings.gridCellHeight = 20;
    document.settings.separatorPixels = 2;
    document.settings.horizontalTitleBar = 1;
    document.settings.horizontalBarFill = 0x00FF00;
    CreateTable(document, 3, 2, 2, 2, 0);
    document.cell(2, 0).alignment = Alignment::RotatedTop;
    document.cell(2, 0).text = QStringLiteral("Up");
    Renderer r(document);
    r.Draw();
    EXPECT_EQ(document.cell(0, 0).cellState, 0);
    EXPECT_EQ(r.At(4, 10), 0);         // the bar starts at column 0
    EXPECT_EQ(r.At(128, 10), 0);       // right edge 122 + 2 * 2 + 2
    EXPECT_EQ(r.At(50, 12), 0x00FF00); // no cell borders inside the bar
    EXPECT_EQ(r.At(20, 26), 0);        // body row 1 starts at 22 + 2 + 2
    // Bar texts are upright whatever their alignment.
    ASSERT_FALSE(r.surface.texts.empty());
    EXPECT_FALSE(r.surface.texts.back().rotated);
}

TEST(CellPass, SelectedCellsAreTintedAndFramedOverTheirDrawing) {
    Document document = ColouredTable(3, 3, 40, 20);
    document.settings.horizontalTitleBar = 1;
    document.cell(1, 1).text = QStringLiteral("WiW");
    document.cell(2, 0).text = QStringLiteral("Bar");
    Renderer r(document);
    const QImage plain = r.Draw().copy();
    document.cell(1, 1).selected = 1;
    document.cell(2, 0).selected = 1;
    r.Draw();
    const QStringList texts = r.surface.DrawnTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("WiW")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Bar")));
    // A dark-blue frame on the grid line, a tint inside that is neither the fill nor the block.
    EXPECT_EQ(r.At(44, 30), kDarkBlue);
    EXPECT_EQ(r.At(84, 30), kDarkBlue);
    const int32_t tinted = r.At(82, 42);
    EXPECT_NE(tinted, kFill);
    EXPECT_NE(tinted, kDarkBlue);
    EXPECT_EQ(r.At(46, 43), tinted);
    // Every glyph pixel of the unselected drawing still stands out from the tint.
    int glyphPixels = 0;
    for (int y = 25; y <= 43; ++y) {
        for (int x = 45; x <= 83; ++x) {
            if (PixelAt(plain, x, y) == kFill) continue;
            ++glyphPixels;
            EXPECT_NE(r.At(x, y), tinted) << x << "," << y;
        }
    }
    EXPECT_GT(glyphPixels, 20);
    // The neighbours are untouched; the bar cell gets the same look over its text.
    EXPECT_EQ(r.At(100, 30), kFill);
    EXPECT_EQ(r.At(84, 4), kDarkBlue);
    EXPECT_NE(r.At(122, 22), PixelAt(plain, 122, 22));
    // Drawn for a file, the selection does not show.
    RenderOptions forFile;
    forFile.showSelection = false;
    EXPECT_EQ(r.Draw(forFile), plain);
}

TEST(ImageCells, MissingFileShowsTheSilverCrossHatch) {
    Document document = ColouredTable(3, 3, 40, 20);
    MakeImageCell(document.cell(1, 1), TestFilePath(QStringLiteral("deleted.png")), 0xFFFFFF);
    Renderer r(document);
    r.Draw();
    for (int y = 25; y <= 43; ++y)
        for (int x = 45; x <= 83; ++x)
            EXPECT_EQ(r.At(x, y), DiagonalCrossPixel(x, y) ? kSilver : kPage) << x << "," << y;
    EXPECT_EQ(r.At(44, 30), kLine);
    EXPECT_EQ(r.At(60, 24), kLine);
    EXPECT_TRUE(r.sink.messages.isEmpty());
}

TEST(ImageCells, FittedIntoTheBoxAtItsTopLeft) {
    // Cells of 202 pixels: with thickness 1 the image box is 200 x 200 at (X1 + 1, Y1 + 1).
    Document document = ColouredTable(2, 2, 202, 202);
    MakeImageCell(document.cell(0, 0),
                  SaveTestImage(QStringLiteral("w400.png"), Filled(400, 100, Qt::red)), 0xFFFFFF);
    MakeImageCell(document.cell(1, 0),
                  SaveTestImage(QStringLiteral("w100.png"), Filled(100, 50, Qt::blue)), 0xFFFFFF);
    QImage holes = Filled(50, 50, QColor(0, 0, 0, 0));
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            holes.setPixelColor(x, y, Qt::red);
    MakeImageCell(document.cell(0, 1), SaveTestImage(QStringLiteral("holes.png"), holes), 0x00FF00);
    Renderer r(document);
    r.Draw();
    // 400 x 100 -> 200 x 50 at (5, 5); the page shows beside it (no cell fill).
    EXPECT_TRUE(r.AllOf(QRect(5, 5, 200, 50), 0x0000FF));
    EXPECT_TRUE(r.AllOf(QRect(5, 55, 200, 150), kPage));
    EXPECT_EQ(r.At(4, 30), kLine);
    // 100 x 50 -> stretched to 200 x 200 at (207, 5).
    EXPECT_TRUE(r.AllOf(QRect(207, 5, 200, 200), 0xFF0000));
    EXPECT_EQ(r.At(206, 100), kLine);
    EXPECT_EQ(r.At(407, 100), kPage);
    // Transparent parts show the stored colour, not the page.
    EXPECT_EQ(r.At(5 + 150, 207 + 150), 0x00FF00);
    EXPECT_EQ(r.At(5 + 10, 207 + 10), 0x0000FF);

    // Thickness 3: box (cellWidth - 4) at (X1 + 2, Y1 + 2).
    Document thick = ColouredTable(2, 2, 104, 54, 0, 3);
    MakeImageCell(thick.cell(1, 1),
                  SaveTestImage(QStringLiteral("w10.png"), Filled(10, 10, Qt::red)), 0xFFFFFF);
    Renderer t(thick);
    t.Draw();
    const int x1 = X1(thick, 1), y1 = Y1(thick, 1);
    EXPECT_TRUE(t.AllOf(QRect(x1 + 2, y1 + 2, 100, 50), 0x0000FF));
    EXPECT_NE(t.At(x1 + 102, y1 + 20), 0x0000FF);
    EXPECT_NE(t.At(x1 + 20, y1 + 52), 0x0000FF);
}

TEST(ImageCells, AnUnreadableFileIsReportedOncePerPath) {
    Document document = ColouredTable(3, 3, 40, 20);
    const QString broken = WriteTestFile(QStringLiteral("broken.png"), "not a picture");
    const QString other = WriteTestFile(QStringLiteral("broken2.jpg"), "nor this");
    MakeImageCell(document.cell(1, 1), broken, 0xFFFFFF);
    MakeImageCell(document.cell(2, 2), broken, 0xFFFFFF);
    Renderer r(document);
    r.Draw();
    r.Draw();
    const QString message =
        QStringLiteral("[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <");
    EXPECT_EQ(r.sink.messages, QStringList{message + broken + u'>'});
    EXPECT_TRUE(r.AllOf(QRect(45, 25, 39, 19), kPage)); // no image, no hatch
    // One cell's image changes: its new file is reported, once.
    MakeImageCell(document.cell(1, 1), other, 0xFFFFFF);
    r.Draw();
    r.Draw();
    EXPECT_EQ(r.sink.messages, (QStringList{message + broken + u'>', message + other + u'>'}));
}

TEST(Icons, DrawnAt25PixelsFromTheCellCornerPlusThickness) {
    Document document = ColouredTable(3, 3, 60, 40, 0, 3);
    document.settings.horizontalTitleBar = 1;
    const QString icon =
        WriteTestFile(QStringLiteral("blue.ico"), IconFileBytes({Filled(32, 32, Qt::blue)}));
    document.cell(1, 1).iconPath = QStringLiteral(" ") + icon + QStringLiteral(" ");
    document.cell(2, 0).iconPath = icon;
    document.cell(0, 2).iconPath = TestFilePath(QStringLiteral("missing.ico"));
    Renderer r(document);
    r.Draw();
    const int x = X1(document, 1) + 3, y = Y1(document, 1) + 3;
    EXPECT_TRUE(r.AllOf(QRect(x, y, 25, 25), 0xFF0000));
    EXPECT_EQ(r.At(x + 25, y + 10), kFill);
    EXPECT_EQ(r.At(x + 10, y + 25), kFill);
    EXPECT_EQ(r.At(x - 1, y + 10), kFill); // inside the 3-pixel border centred on X1
    EXPECT_EQ(r.At(x - 2, y + 10), kLine);
    // Title-bar cells show their icons too.
    EXPECT_TRUE(r.AllOf(QRect(X1(document, 2) + 3, Y1(document, 0) + 3, 25, 25), 0xFF0000));
    EXPECT_TRUE(r.sink.messages.isEmpty());
}

TEST(CellFiles, RelativePathsAreFoundBesideTheWorkFileFirst) {
    const QString image = SaveTestImage(QStringLiteral("beside.png"), Filled(100, 100, Qt::red));
    WriteTestFile(QStringLiteral("beside.ico"), IconFileBytes({Filled(32, 32, Qt::blue)}));
    const QString folder = QFileInfo(image).absolutePath();
    ASSERT_NE(folder, QDir::currentPath());
    Document document = ColouredTable(2, 1, 60, 40);
    MakeImageCell(document.cell(0, 0), QStringLiteral("beside.png"), 0xFFFFFF);
    document.cell(1, 0).iconPath = QStringLiteral("beside.ico");
    Renderer r(document);
    RenderOptions options;
    options.workFileFolder = folder;
    r.Draw(options);
    EXPECT_TRUE(r.AllOf(QRect(X1(document, 0) + 1, Y1(document, 0) + 1, 38, 38), 0x0000FF));
    EXPECT_TRUE(r.AllOf(QRect(X1(document, 1) + 1, Y1(document, 0) + 1, 25, 25), 0xFF0000));
    // From the current folder alone the same paths name nothing.
    r.Draw();
    EXPECT_EQ(r.At(X1(document, 0) + 10, Y1(document, 0) + 10),
              DiagonalCrossPixel(X1(document, 0) + 10, Y1(document, 0) + 10) ? kSilver : kPage);
    EXPECT_EQ(r.At(X1(document, 1) + 10, Y1(document, 0) + 10), kFill);

    EXPECT_EQ(LocateCellFile(QStringLiteral(" beside.png "), folder),
              folder + QStringLiteral("/beside.png"));
    EXPECT_EQ(LocateCellFile(QStringLiteral("elsewhere.png"), folder),
              QStringLiteral("elsewhere.png"));
    EXPECT_EQ(LocateCellFile(image, QStringLiteral("/nonexistent")), image);
    EXPECT_EQ(WorkFileFolder(QStringLiteral("/tables/one.qdvl")), QStringLiteral("/tables"));
    EXPECT_EQ(WorkFileFolder(QString()), QString());
}

TEST(CellPass, TextStartsInsideTheBorderThroughTheNumberFormat) {
    Document document = ColouredTable(3, 3, 120, 30, 3, 2);
    CellRecord& cell = document.cell(1, 1);
    cell.text = QStringLiteral("1234567.891");
    cell.numericAllowed = 1;
    cell.numberFormat = 1;
    document.cell(2, 2).text = QStringLiteral("plain 1234.5");
    Renderer r(document);
    RenderOptions options;
    options.decimalMask = QStringLiteral(".000");
    r.Draw(options);
    ASSERT_EQ(r.surface.texts.size(), 2u);
    EXPECT_EQ(r.surface.texts[0].text, QStringLiteral("1,234,567.891"));
    EXPECT_DOUBLE_EQ(r.surface.texts[0].x, X1(document, 1) + 2);
    EXPECT_DOUBLE_EQ(r.surface.texts[0].y, Y1(document, 1) + 2);
    EXPECT_EQ(r.surface.texts[1].text, QStringLiteral("plain 1234.5"));
}

TEST(CellPass, SeriesAreEvaluatedUnlessCommandsAreShown) {
    Document document = ColouredTable(4, 2, 40, 20);
    document.cell(0, 0).text = QStringLiteral("f5f");
    Renderer r(document);
    RenderOptions commands;
    commands.commandsView = true;
    r.Draw(commands);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("f5f"));
    EXPECT_EQ(r.surface.DrawnTexts(), QStringList{QStringLiteral("f5f")});
    r.Draw();
    EXPECT_EQ(document.cell(3, 0).text, QStringLiteral("8"));
    EXPECT_EQ(document.commands.at(0, 0), QStringLiteral("f5f"));
    EXPECT_EQ(r.surface.DrawnTexts(), (QStringList{QStringLiteral("5"), QStringLiteral("6"),
                                                   QStringLiteral("7"), QStringLiteral("8")}));
}

TEST(RenderTable, RecordsTheDrawnExtentOfTheBottomRightCell) {
    Document document = ColouredTable(3, 2, 40, 20, 3);
    Renderer r(document);
    r.Draw();
    EXPECT_EQ(document.extentRight, 122 + 2 * 3 + 2);
    EXPECT_EQ(document.extentBottom, 42 + 3 + 2);
    RenderOptions exportOrigin;
    exportOrigin.originX = exportOrigin.originY = -2;
    r.Draw(exportOrigin);
    EXPECT_EQ(document.extentRight, 122 + 6 - 2);
    EXPECT_EQ(document.extentBottom, 42 + 3 - 2);
    EXPECT_EQ(r.At(0, 0), kLine); // the export origin puts the first border at 0
    // A bottom-right cell inside a joined block still gives its own edges.
    document.cell(1, 1).right = document.cell(2, 1).right;
    document.cell(2, 1).joinState = 1;
    r.Draw();
    EXPECT_EQ(document.extentRight, 130);
}

TEST(RenderTable, ACorruptRectangleDoesNotOverflow) {
    Document document = ColouredTable(2, 2, 40, 20, 5, 5);
    document.cell(1, 1).right = std::numeric_limits<int32_t>::max();
    document.cell(1, 1).bottom = std::numeric_limits<int32_t>::max();
    document.cell(0, 1).left = std::numeric_limits<int32_t>::min();
    document.cell(1, 1).text = QStringLiteral("far away");
    MakeImageCell(document.cell(1, 1),
                  SaveTestImage(QStringLiteral("far.png"), Filled(4, 4, Qt::red)), 0);
    Renderer r(document);
    r.Draw();
    EXPECT_EQ(document.extentRight, std::numeric_limits<int16_t>::max());
    EXPECT_EQ(r.At(20, 10), kFill);
}

TEST(NewTable, DrawnAsTheFirstRedrawDrawsIt) {
    for (int variant = 0; variant < 4; ++variant) {
        SCOPED_TRACE(variant);
        Document document;
        TableSettings& s = document.settings;
        s.gridCellWidth = 30;
        s.gridCellHeight = 15;
        s.separatorPixels = int16_t(variant);
        s.lineThickness = variant + 1;
        s.lineColour = kLine;
        s.horizontalTitleBar = variant % 2;
        s.verticalTitleBar = variant >= 2;
        s.horizontalLinesWithCellAreas = variant == 3;
        CreateTable(document, 5, 4, 2, 2, kLine);
        QImage fresh = MakePicture(300, 200);
        QtDrawingSurface surface;
        DrawNewTable(surface, fresh, document);
        surface.ReleaseTarget();
        Renderer r(document);
        r.Draw();
        EXPECT_EQ(fresh, r.picture.copy(0, 0, 300, 200).convertToFormat(fresh.format()));
    }
}

TEST(View, ShowViewCopiesTheTableAtTheScrollOffset) {
    QImage table = MakePicture(kPictureSize, kPictureSize);
    QImage view = MakePicture(kPictureSize, kPictureSize, kPage);
    table.setPixel(10, 300, qRgb(255, 0, 0));
    QtDrawingSurface surface;
    ShowView(surface, view, table, 0, -200);
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(view, 10, 100), 0x0000FF);
    EXPECT_EQ(PixelAt(view, 10, 300), 0xFFFFFF);
    EXPECT_EQ(PixelAt(view, 10, 1000), kPage); // below the copied part
}

TEST(View, ApproximatePreviewInsetsCellsBySeparator) {
    QImage preview = MakePicture(150, 150);
    QtDrawingSurface surface;
    ApproximateViewSettings settings;
    settings.pageColour = kPage;
    settings.lineColour = kLine;
    settings.lineThickness = 1;
    settings.separatorPixels = 4;
    settings.cellColour = kFill;
    DrawApproximateView(surface, preview, settings);
    surface.ReleaseTarget();
    const auto at = [&](int x, int y) { return PixelAt(preview, x, y); };
    EXPECT_EQ(at(12, 20), kPage);
    EXPECT_EQ(at(14, 20), kLine); // cell (0, 0) from 10 + 4 to 44
    EXPECT_EQ(at(44, 20), kLine);
    EXPECT_EQ(at(30, 30), kFill);
    EXPECT_EQ(at(46, 20), kPage);
    EXPECT_EQ(at(48, 20), kLine);   // cell (1, 0) from 44 + 4
    EXPECT_EQ(at(112, 112), kLine); // cell (2, 2) ends at 112
    EXPECT_EQ(at(113, 113), kPage);
}

TEST(View, ASmallPictureOfALargeTableShowsWhatTheWholePictureShows) {
    // Long words that run out of their cells towards a small window on the table: aligned left
    // from the left and above, right and centred from the right, turned from below. A cell
    // drawn later covers what runs into it, so the cells in the way from the left and from
    // above are cancelled and show the page.
    Document document = ColouredTable(14, 14, 60, 30);
    const QString word = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    auto put = [&](int column, int row, Alignment alignment, int16_t size = 10) {
        CellRecord& cell = document.cell(column, row);
        cell.text = word;
        cell.alignment = alignment;
        cell.fontSize = size;
        cell.backColour = kWhite; // so that a neighbour drawn later covers nothing unseen
    };
    put(2, 6, Alignment::Left);
    put(7, 1, Alignment::Justified);
    put(10, 6, Alignment::Right);
    put(11, 7, Alignment::Centred, 14);
    put(6, 11, Alignment::RotatedCentred);
    put(4, 12, Alignment::Left, 30); // below the window and upright: its glyphs stay below
    document.cell(8, 1).text = QStringLiteral("WW WW WW WW WW WW WW WW WW WW WW WW WW WW WW");
    for (const QPoint cancelled : {QPoint(3, 6), QPoint(4, 6), QPoint(5, 6), QPoint(8, 2),
                                   QPoint(8, 3), QPoint(8, 4), QPoint(8, 5)})
        document.cell(cancelled.x(), cancelled.y()).cellState = kCellCancelled;
    const QRect window(300, 150, 200, 120);

    QtDrawingSurface surface;
    ImageReportMemory memory;
    RecordingSink sink;
    const FixedClock clock{QDate(2024, 5, 17)};
    SettleForDrawing(document, {}, clock);
    QImage whole = MakePicture(900, 500, kPage);
    RenderTable(surface, whole, document, {}, sink, memory);
    QImage part = MakePicture(window.width(), window.height(), kPage);
    RenderOptions moved;
    moved.originX = kViewOrigin - window.x();
    moved.originY = kViewOrigin - window.y();
    RenderTable(surface, part, document, moved, sink, memory);
    surface.ReleaseTarget();

    EXPECT_EQ(part, whole.copy(window));
    // The words from outside do reach the window: dark glyph pixels on the filled cells of
    // columns 6 to 8 in rows 6 and 7, which hold no text of their own.
    const auto darkIn = [&whole](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(whole.pixel(x, y)) < 100 ? 1 : 0;
        return count;
    };
    EXPECT_GT(darkIn(QRect(X1(document, 6), Y1(document, 6), 170, 56)), 100);
    // And from the left and from above, onto the cancelled cells.
    EXPECT_GT(darkIn(QRect(window.x(), Y1(document, 6), 30, 29)), 10);
    EXPECT_GT(darkIn(QRect(X1(document, 8), window.y(), 59, Y1(document, 6) - window.y())), 20);
}
