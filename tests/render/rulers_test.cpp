// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/rulers.h"
#include "render_test_support.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kGrey = 0x808080;
constexpr int32_t kPage = 0x00FF00;

// The real surface, noting each text with the pixel size of the font it was drawn in.
class LabelRecorder final : public ForwardingSurface {
public:
    struct Label {
        double x;
        double y;
        QString text;
        int pixelSize;
    };
    std::vector<Label> labels;

    void SelectFont(const CellFont& font) override {
        pixelSize_ = font.font.pixelSize();
        bold_ = font.font.bold();
        ForwardingSurface::SelectFont(font);
    }
    void DrawText(double x, double y, const QString& text) override {
        EXPECT_TRUE(bold_) << text.toStdString();
        labels.push_back({x, y, text, pixelSize_});
        ForwardingSurface::DrawText(x, y, text);
    }

    QStringList Texts() const {
        QStringList texts;
        for (const Label& label : labels)
            texts.append(label.text);
        return texts;
    }

private:
    int pixelSize_ = 0;
    bool bold_ = false;
};

QImage ColumnRuler() {
    return MakePicture(kPictureSize, kRulerThickness, kPage);
}
QImage RowRuler() {
    return MakePicture(kRulerThickness, kPictureSize, kPage);
}

// The positions along a horizontal ruler where row `y` holds `colour`.
std::vector<int> Along(const QImage& ruler, int y, int32_t colour) {
    std::vector<int> found;
    for (int x = 0; x < ruler.width(); ++x)
        if (PixelAt(ruler, x, y) == colour) found.push_back(x);
    return found;
}

int Millimetre(int i) {
    return int(std::lround(96.0 * i / 25.4));
}

TableSettings CellRulerTable(int width, int height, int separator, int columns, int rows) {
    TableSettings settings;
    settings.gridCellWidth = int16_t(width);
    settings.gridCellHeight = int16_t(height);
    settings.separatorPixels = int16_t(separator);
    settings.columnCount = int16_t(columns);
    settings.rowCount = int16_t(rows);
    return settings;
}

} // namespace

TEST(Rulers, MillimetreTicksAndCentimetreLabels) {
    LabelRecorder surface;
    QImage ruler = ColumnRuler();
    DrawMillimetreRuler(surface, ruler, RulerOrientation::Horizontal);

    // Red centimetre ticks every 37 or 38 pixels, from 11 to 20 across the ruler.
    std::vector<int> centimetres;
    for (int i = 0; Millimetre(i) < kPictureSize; i += 10)
        centimetres.push_back(Millimetre(i));
    EXPECT_EQ(Along(ruler, 19, kRed), centimetres);
    EXPECT_EQ(Along(ruler, 11, kRed), centimetres);
    for (size_t i = 1; i < centimetres.size(); ++i) {
        const int step = centimetres[i] - centimetres[i - 1];
        EXPECT_TRUE(step == 37 || step == 38) << step;
    }
    EXPECT_EQ(centimetres[1], 38);
    EXPECT_EQ(PixelAt(ruler, 38, 10), kRulerBackground);

    // Half centimetres black from 14, millimetres grey from 15, background between.
    EXPECT_EQ(PixelAt(ruler, Millimetre(5), 14), kBlack);
    EXPECT_EQ(PixelAt(ruler, Millimetre(5), 13), kRulerBackground);
    EXPECT_EQ(PixelAt(ruler, Millimetre(7), 15), kGrey);
    EXPECT_EQ(PixelAt(ruler, Millimetre(7), 20), kGrey);
    EXPECT_EQ(PixelAt(ruler, Millimetre(7), 14), kRulerBackground);
    EXPECT_EQ(PixelAt(ruler, Millimetre(7) + 1, 18), kRulerBackground);

    // The first label, 1, stands 3 pixels before the tenth millimetre; 0 has none.
    ASSERT_FALSE(surface.labels.empty());
    EXPECT_EQ(surface.labels.front().text, QStringLiteral("1"));
    EXPECT_EQ(surface.labels.front().x, 38 - 3);
    EXPECT_EQ(surface.labels.front().y, 0);
    EXPECT_EQ(surface.labels.front().pixelSize, 8); // 6 points
    EXPECT_EQ(surface.labels.size(), centimetres.size() - 1);
    EXPECT_EQ(surface.labels.back().text, QString::number(int(centimetres.size()) - 1));

    // Upright the same ticks run across the row ruler.
    QImage row = RowRuler();
    DrawMillimetreRuler(surface, row, RulerOrientation::Vertical);
    EXPECT_EQ(PixelAt(row, 19, 38), kRed);
    EXPECT_EQ(PixelAt(row, 12, Millimetre(290)), kRed);
    EXPECT_EQ(PixelAt(row, 16, Millimetre(295)), kBlack);
    EXPECT_EQ(PixelAt(row, 16, Millimetre(296)), kGrey);
    EXPECT_EQ(surface.labels.back().x, 0);
    EXPECT_EQ(surface.labels.back().y, Millimetre(290) - 3);
    surface.ReleaseTarget();
}

TEST(Rulers, PixelRulerEveryFiveWithLabelsFromFifty) {
    LabelRecorder surface;
    QImage ruler = ColumnRuler();
    DrawPixelRuler(surface, ruler, kPixelRulerLength, RulerOrientation::Horizontal);

    QStringList expected;
    for (int p = 50; p <= 1200; p += 50)
        expected.append(QString::number(p));
    EXPECT_EQ(surface.Texts(), expected);
    EXPECT_EQ(surface.labels.front().x, 45);
    EXPECT_EQ(surface.labels.front().y, 0);
    EXPECT_EQ(surface.labels.front().pixelSize, 8); // 6 points across

    // 0: a long black tick, no red one.
    EXPECT_EQ(PixelAt(ruler, 0, 14), kBlack);
    EXPECT_EQ(PixelAt(ruler, 0, 20), kBlack);
    EXPECT_EQ(PixelAt(ruler, 0, 13), kRulerBackground);
    // Every 50: red from 13 over the black tick.
    EXPECT_EQ(PixelAt(ruler, 50, 13), kRed);
    EXPECT_EQ(PixelAt(ruler, 50, 20), kRed);
    EXPECT_EQ(PixelAt(ruler, 1100, 17), kRed);
    // Tens long, fives short.
    EXPECT_EQ(PixelAt(ruler, 10, 14), kBlack);
    EXPECT_EQ(PixelAt(ruler, 5, 14), kRulerBackground);
    EXPECT_EQ(PixelAt(ruler, 5, 15), kBlack);
    EXPECT_EQ(PixelAt(ruler, 7, 18), kRulerBackground);
    std::vector<int> ticks;
    for (int p = 0; p < kPictureSize; p += 5)
        ticks.push_back(p);
    EXPECT_EQ(Along(ruler, 20, kBlack).size() + Along(ruler, 20, kRed).size(), ticks.size());

    LabelRecorder upright;
    QImage row = RowRuler();
    DrawPixelRuler(upright, row, kPixelRulerLength, RulerOrientation::Vertical);
    EXPECT_EQ(upright.Texts(), expected);
    EXPECT_EQ(upright.labels.front().x, 0);
    EXPECT_EQ(upright.labels.front().y, 45);
    EXPECT_EQ(upright.labels.front().pixelSize, 7); // 5 points on the row ruler
    EXPECT_EQ(PixelAt(row, 14, 100), kRed);
    EXPECT_EQ(PixelAt(row, 14, 0), kBlack);
    surface.ReleaseTarget();
    upright.ReleaseTarget();
}

TEST(Rulers, CellRulerFollowsTheUniformGrid) {
    LabelRecorder surface;
    QImage ruler = ColumnRuler();
    const TableSettings table = CellRulerTable(30, 15, 4, 5, 3);
    DrawCellRuler(surface, ruler, table, RulerOrientation::Horizontal);

    EXPECT_EQ(surface.Texts(),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    // Boxes spaced W + s = 34 apart, each from c * 34 + 2 to (c + 1) * 30 + c * 4 + 2.
    const std::vector<int> edges = {2, 32, 36, 66, 70, 100, 104, 134, 138, 168};
    EXPECT_EQ(Along(ruler, 12, kBlack), edges);
    EXPECT_EQ(PixelAt(ruler, 20, 2), kBlack);
    EXPECT_EQ(PixelAt(ruler, 20, 17), kBlack); // bottom at H + 2
    EXPECT_EQ(PixelAt(ruler, 34, 2), kRulerBackground);
    EXPECT_EQ(PixelAt(ruler, 200, 10), kRulerBackground);
    // Column numbers centred in W - lineThickness from the box's corner.
    for (int c = 0; c < 5; ++c) {
        const LabelRecorder::Label& label = surface.labels[size_t(c)];
        EXPECT_EQ(label.y, 2);
        EXPECT_GT(label.x, c * 34 + 2 + 8);
        EXPECT_LT(label.x, c * 34 + 2 + 14);
    }

    LabelRecorder upright;
    QImage row = RowRuler();
    DrawCellRuler(upright, row, table, RulerOrientation::Vertical);
    EXPECT_EQ(upright.labels.size(), 3u);
    // Rows spaced H + s = 19: boxes from r * 19 + 2 to (r + 1) * 15 + r * 4 + 2, left aligned.
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(PixelAt(row, 12, r * 19 + 2), kBlack) << r;
        EXPECT_EQ(PixelAt(row, 12, (r + 1) * 15 + r * 4 + 2), kBlack) << r;
        EXPECT_EQ(upright.labels[size_t(r)].x, 2);
        EXPECT_EQ(upright.labels[size_t(r)].y, r * 19 + 2);
    }
    EXPECT_EQ(PixelAt(row, 12, 18), kRulerBackground); // separator gap
    EXPECT_EQ(PixelAt(row, 2, 10), kBlack);
    EXPECT_EQ(PixelAt(row, 12, 80), kRulerBackground);
    surface.ReleaseTarget();
    upright.ReleaseTarget();
}

TEST(Rulers, CellRulerFontByCellWidth) {
    const struct {
        int width;
        int pixelSize;
    } cases[] = {{9, 8}, {10, 7}, {12, 7}, {13, 7}, {14, 8}, {40, 8}};
    for (const auto& c : cases) {
        LabelRecorder surface;
        QImage ruler = ColumnRuler();
        DrawCellRuler(surface, ruler, CellRulerTable(c.width, 20, 0, 3, 3),
                      RulerOrientation::Horizontal);
        ASSERT_EQ(surface.labels.size(), 3u) << c.width;
        EXPECT_EQ(surface.labels[0].pixelSize, c.pixelSize) << c.width;
        surface.ReleaseTarget();
    }
}

TEST(Rulers, RedrawClearsDrawsAndFollowsTheScroll) {
    QtDrawingSurface surface;
    QImage column = ColumnRuler();
    QImage row = RowRuler();
    DrawRulers(surface, column, row, kPixelRuler, nullptr, QPoint(), kPage);
    const QImage unmovedColumn = column.copy();
    const QImage unmovedRow = row.copy();
    DrawRulers(surface, column, row, kPixelRuler, nullptr, QPoint(-50, -100), kPage);
    surface.ReleaseTarget();
    // Each ruler shows its unmoved picture moved by the scroll, and goes on past its end.
    EXPECT_EQ(PixelAt(column, 100, 13), kRed); // 150
    EXPECT_EQ(PixelAt(row, 14, 50), kRed);     // 150
    EXPECT_EQ(column.copy(0, 0, 1000, 21), unmovedColumn.copy(50, 0, 1000, 21));
    EXPECT_EQ(row.copy(0, 0, 21, 1000), unmovedRow.copy(0, 100, 21, 1000));
    EXPECT_EQ(PixelAt(row, 14, 1100), kRed);   // 1200
    EXPECT_EQ(PixelAt(row, 14, 1120), kBlack); // 1220, beyond the unmoved ruler's end

    // The cell ruler without a table: only the background.
    DrawRulers(surface, column, row, kCellRuler, nullptr, QPoint(), kPage);
    surface.ReleaseTarget();
    EXPECT_EQ(column, MakePicture(kPictureSize, kRulerThickness, kRulerBackground));
    EXPECT_EQ(row, MakePicture(kRulerThickness, kPictureSize, kRulerBackground));

    Document document = MakeTable(40, 80, 50, 20);
    DrawRulers(surface, column, row, kCellRuler, &document, QPoint(), kPage);
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(column, 52, 10), kBlack); // the first column's right edge
    EXPECT_EQ(PixelAt(row, 10, 22), kBlack);    // the first row's bottom edge
    // Scrolled, the boxes of the 31st column and of the 61st row start the rulers.
    DrawRulers(surface, column, row, kCellRuler, &document, QPoint(-1500, -1200), kPage);
    surface.ReleaseTarget();
    EXPECT_EQ(PixelAt(column, 2, 10), kBlack);
    EXPECT_EQ(PixelAt(column, 6, 10), kRulerBackground);
    EXPECT_EQ(PixelAt(column, 52, 10), kBlack);
    EXPECT_EQ(PixelAt(row, 10, 2), kBlack);
    EXPECT_EQ(PixelAt(row, 10, 22), kBlack);

    // A kind that names no ruler leaves the page colour.
    DrawRulers(surface, column, row, 0, &document, QPoint(), kPage);
    surface.ReleaseTarget();
    EXPECT_EQ(column, MakePicture(kPictureSize, kRulerThickness, kPage));
    EXPECT_EQ(row, MakePicture(kRulerThickness, kPictureSize, kPage));
}
