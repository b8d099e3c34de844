// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"
#include "model/work_file.h"
#include "render/opening_view.h"
#include "render_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

// Work files in, the opening picture out, compared with stored pictures. Glyph edges may
// differ slightly between font engine versions, so a few differing pixels are allowed.
// QUADRIVEL_REGENERATE_GOLDEN=1 rewrites the work files and the pictures.

namespace {

constexpr int kAllowedDifferentPixels = 400;
constexpr int kChannelTolerance = 40;

QString GoldenPath(const QString& name) {
    return QStringLiteral(QUADRIVEL_TEST_DATA "/render/") + name;
}

void Text(CellRecord& cell, const QString& text, Alignment alignment = Alignment::Left) {
    cell.text = text;
    cell.alignment = alignment;
}

void MissingImage(CellRecord& cell) {
    cell.imageSpec = QStringLiteral("/nonexistent/quadrivel/picture.png*16777215");
    cell.backColour = -2;
}

// Alignments, font styles, colours, number formats, joins, cancelled and stopped cells.
Document CellsSample() {
    Document d;
    d.settings.gridCellWidth = 110;
    d.settings.gridCellHeight = 44;
    d.settings.lineColour = 0x404040;
    CreateTable(d, 6, 5, 2, 2, 0x404040);
    Text(d.cell(0, 0), QStringLiteral("Left aligned text that wraps"));
    Text(d.cell(1, 0), QStringLiteral("Right aligned text here"), Alignment::Right);
    Text(d.cell(2, 0), QStringLiteral("Centred words in a cell"), Alignment::Centred);
    Text(d.cell(3, 0), QStringLiteral("Justified text fills lines to the widest one"),
         Alignment::Justified);
    Text(d.cell(4, 0), QStringLiteral("Down"), Alignment::RotatedTop);
    Text(d.cell(5, 0), QStringLiteral("Middle"), Alignment::RotatedCentred);
    CellRecord& bold = d.cell(0, 1);
    Text(bold, QStringLiteral("Bold Arial 12"));
    bold.fontName = QStringLiteral("Arial");
    bold.fontSize = 12;
    bold.bold = 1;
    CellRecord& styled = d.cell(1, 1);
    Text(styled, QStringLiteral("Italic underlined"));
    styled.italic = styled.underline = 1;
    styled.textColour = 0x0000C0;
    CellRecord& struck = d.cell(2, 1);
    Text(struck, QStringLiteral("Struck, leading"));
    struck.strikeout = struck.leading = 1;
    struck.fontSize = 14;
    for (int c = 3; c < 6; ++c) {
        CellRecord& number = d.cell(c, 1);
        Text(number, QStringLiteral("1234567.891"), Alignment::Right);
        number.numericAllowed = 1;
        number.numberFormat = int16_t(c - 2); // codes 1, 2, 3
    }
    d.cell(0, 2).backColour = 0xF0D0A0;
    d.cell(1, 2).backColour = 0x4080FF;
    d.cell(1, 2).textColour = 0xFFFFFF;
    Text(d.cell(1, 2), QStringLiteral("White on orange"), Alignment::Centred);
    // A block of three cells across and one of two cells down.
    d.cell(2, 2).right = d.cell(4, 2).right;
    d.cell(3, 2).joinState = d.cell(4, 2).joinState = 1;
    Text(d.cell(2, 2), QStringLiteral("Three cells joined across"), Alignment::Centred);
    d.cell(5, 2).bottom = d.cell(5, 3).bottom;
    d.cell(5, 3).joinState = 2;
    Text(d.cell(5, 2), QStringLiteral("Two cells joined down"));
    d.cell(0, 3).cellState = 1;
    d.cell(1, 3).cellState = 2;
    Text(d.cell(1, 3), QStringLiteral("stopped"));
    MissingImage(d.cell(2, 3));
    Text(d.cell(0, 4), QStringLiteral("DejaVu Sans 8"));
    d.cell(0, 4).fontName = QStringLiteral("DejaVu Sans");
    d.cell(0, 4).fontSize = 8;
    return d;
}

// Both title bars over banded rows, thick lines with separators, series and an operation.
Document BarsSample() {
    Document d;
    TableSettings& s = d.settings;
    s.gridCellWidth = 120;
    s.gridCellHeight = 30;
    s.separatorPixels = 4;
    s.lineThickness = 3;
    s.lineColour = 0x703010;
    s.pageColour = 0xF4F8FC;
    s.horizontalTitleBar = s.verticalTitleBar = 1;
    s.horizontalBarFill = 0x6B3A1F;
    s.horizontalBarBorder = 0x000000;
    s.verticalBarFill = 0xE0E8F0;
    s.verticalBarBorder = 0x703010;
    s.horizontalLinesWithCellAreas = 1;
    CreateTable(d, 5, 9, 2, 2, s.lineColour);
    Text(d.cell(0, 0), QStringLiteral("Corner"));
    Text(d.cell(1, 0), QStringLiteral("Month"), Alignment::Centred);
    Text(d.cell(2, 0), QStringLiteral("Day"), Alignment::Centred);
    Text(d.cell(3, 0), QStringLiteral("Amount"), Alignment::Right);
    Text(d.cell(4, 0), QStringLiteral("1234.5"), Alignment::Right); // unformatted in a bar
    d.cell(4, 0).numericAllowed = 1;
    d.cell(4, 0).numberFormat = 1;
    for (int c = 1; c < 5; ++c) {
        d.cell(c, 0).textColour = 0xFFFFFF;
        d.cell(c, 0).bold = 1;
    }
    for (int r = 1; r < 9; ++r)
        Text(d.cell(0, r), QStringLiteral("Row ") + QString::number(r));
    Text(d.cell(1, 1), QStringLiteral("cmonthsc"));
    Text(d.cell(2, 1), QStringLiteral("c13/05/2024cen"));
    const char* amounts[] = {"12.5", "7", "1250", "0.75", "-3", "48.125", "1000000"};
    for (int r = 1; r < 8; ++r) {
        Text(d.cell(3, r), QString::fromLatin1(amounts[r - 1]), Alignment::Right);
        d.cell(3, r).numericAllowed = 1;
        d.cell(3, r).numberFormat = 4;
    }
    // The sum of rows 2 to 8 (counted from 1), in the Spanish format like the amounts.
    CellRecord& total = d.cell(3, 8);
    total.operationDescriptor = QStringLiteral("1020800000");
    total.alignment = Alignment::Right;
    total.bold = 1;
    total.numericAllowed = 1;
    total.numberFormat = 4;
    Text(d.cell(4, 3), QStringLiteral("Justified text in a banded table cell"),
         Alignment::Justified);
    d.cell(4, 3).bottom = d.cell(4, 5).bottom;
    d.cell(4, 4).joinState = d.cell(4, 5).joinState = 2;
    return d;
}

// Column bands on a coloured page, thickness 2, many small cells with rotated texts.
Document ColumnsSample() {
    Document d;
    TableSettings& s = d.settings;
    s.gridCellWidth = 28;
    s.gridCellHeight = 40;
    s.separatorPixels = 2;
    s.lineThickness = 2;
    s.lineColour = 0x2020A0;
    s.pageColour = 0xD8F0D8;
    s.verticalLinesWithCellAreas = 1;
    CreateTable(d, 12, 8, 2, 2, s.lineColour);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 12; ++c) {
            CellRecord& cell = d.cell(c, r);
            cell.fontSize = 7;
            if (r % 3 == 0) {
                Text(cell, QString::number(r * 12 + c), Alignment::RotatedCentred);
            } else {
                Text(cell, QString::number(c * r),
                     r % 3 == 1 ? Alignment::Centred : Alignment::Right);
            }
        }
    }
    d.cell(7, 5).cellState = 1;
    d.cell(8, 4).backColour = 0x00C0FF;
    MissingImage(d.cell(10, 7));
    return d;
}

struct Sample {
    const char* name;
    std::function<Document()> make;
};

const Sample kSamples[] = {
    {"cells", CellsSample}, {"bars", BarsSample}, {"columns", ColumnsSample}};

QImage RenderWorkFile(const QString& path) {
    Document document;
    const Status loaded = LoadAnyWorkFile(path, document, [] { return QString(); });
    if (!loaded.ok()) return {};
    RecordingSink sink;
    const FixedClock clock(QDate(2024, 5, 17));
    return RenderOpeningView(document, QStringLiteral(".00"), 0, clock, sink);
}

// Pixels whose colour differs by more than the tolerance in some channel.
int DifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
                ++different;
        }
    }
    return different;
}

} // namespace

TEST(GoldenPictures, SampleWorkFilesRenderAsStored) {
    const bool regenerate = !qEnvironmentVariableIsEmpty("QUADRIVEL_REGENERATE_GOLDEN");
    if (regenerate) QDir().mkpath(GoldenPath(QString()));
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.name);
        const QString workFile = GoldenPath(QLatin1String(sample.name) + QStringLiteral(".qdvl"));
        const QString expectedPicture =
            GoldenPath(QLatin1String(sample.name) + QStringLiteral(".png"));
        if (regenerate) {
            ASSERT_TRUE(SaveWorkFile(workFile, sample.make()).ok());
            ASSERT_TRUE(RenderWorkFile(workFile).save(expectedPicture));
        }
        const QImage rendered = RenderWorkFile(workFile);
        ASSERT_FALSE(rendered.isNull()) << "cannot load " << workFile.toStdString();
        const QImage expected = QImage(expectedPicture).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(rendered.size(), expected.size());
        const int different = DifferentPixels(rendered, expected);
        if (different > kAllowedDifferentPixels) {
            const QString actualPath =
                TestFilePath(QLatin1String(sample.name) + QStringLiteral("-actual.png"));
            rendered.save(QDir::tempPath() + u'/' + QFileInfo(actualPath).fileName());
        }
        EXPECT_LE(different, kAllowedDifferentPixels)
            << "rendered picture left in " << QDir::tempPath().toStdString();
    }
}
