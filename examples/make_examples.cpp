// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sample table that `make run` opens, its image and icon, and the seed files of
// the work-file fuzzer. Run from the repository root: build/examples/make_examples
#include "model/work_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int32_t kNavy = 0x800000;
constexpr int32_t kPaleBlue = 0xF5E6D2;
constexpr int32_t kPaleGreen = 0xDDF2DD;

void Text(Document& document, int column, int row, const QString& text,
          Alignment alignment = Alignment::Left) {
    CellRecord& cell = document.cell(column, row);
    cell.text = text;
    cell.alignment = alignment;
}

void Join(Document& document, int column, int row, int count) {
    CellRecord& owner = document.cell(column, row);
    owner.right = document.cell(column + count - 1, row).right;
    for (int i = 1; i < count; ++i)
        document.cell(column + i, row).joinState = kJoinedLeft;
}

bool WriteArt(const QString& folder) {
    QImage photo(160, 100, QImage::Format_ARGB32);
    photo.fill(Qt::transparent);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2E, 0x86, 0xC1));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(10, 10, 80, 80));
    painter.setBrush(QColor(0xF3, 0x9C, 0x12));
    painter.drawRect(QRect(70, 30, 80, 60));
    painter.end();

    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter iconPainter(&icon);
    iconPainter.setRenderHint(QPainter::Antialiasing);
    iconPainter.setBrush(QColor(0xC0, 0x39, 0x2B));
    iconPainter.setPen(QPen(QColor(0x7B, 0x24, 0x1C), 2));
    iconPainter.drawEllipse(QRect(3, 3, 26, 26));
    iconPainter.end();
    return photo.save(folder + QStringLiteral("/sample-picture.png")) &&
           icon.save(folder + QStringLiteral("/sample-icon.ico"));
}

Document SampleTable() {
    Document document;
    TableSettings& s = document.settings;
    s.gridCellWidth = 104;
    s.gridCellHeight = 28;
    s.separatorPixels = 2;
    s.lineThickness = 1;
    s.lineColour = 0x7F7F7F;
    s.horizontalTitleBar = 1;
    s.verticalTitleBar = 1;
    s.horizontalBarFill = kPaleBlue;
    s.verticalBarFill = kPaleGreen;
    s.horizontalBarBorder = kNavy;
    s.verticalBarBorder = 0x006400;
    CreateTable(document, 9, 14, 2, 2, s.lineColour);

    Text(document, 1, 0, QStringLiteral("Quadrivel sample"), Alignment::Centred);
    Join(document, 1, 0, 4);
    CellRecord& title = document.cell(1, 0);
    title.bold = 1;
    title.fontSize = 14;
    title.fontName = QStringLiteral("Arial");
    title.textColour = kNavy;

    Text(document, 5, 0, QStringLiteral("fweekf"), Alignment::Centred);
    Text(document, 0, 1, QStringLiteral("cmonthsc"));
    Text(document, 1, 1, QStringLiteral("c100c"), Alignment::Right);
    Text(document, 2, 1, QStringLiteral("c8:00:30cm"), Alignment::Centred);
    Text(document, 3, 1, QStringLiteral("c1/1/2027cen"));
    for (int row = 1; row < 14; ++row)
        document.cell(3, row).fontSize = 7;

    // Four numbers in their formats, their sum and 25 % of the sum (rows 1-based).
    const struct {
        const char* text;
        int16_t format;
    } numbers[] = {{"1234567.891", 1}, {"250.5", 4}, {"1000", 2}, {"99.25", 3}};
    for (int row = 1; row <= 4; ++row) {
        Text(document, 5, row, QString::fromLatin1(numbers[row - 1].text), Alignment::Right);
        document.cell(5, row).numericAllowed = 1;
        document.cell(5, row).numberFormat = numbers[row - 1].format;
    }
    for (int row = 5; row <= 6; ++row) {
        CellRecord& cell = document.cell(5, row);
        cell.operationDescriptor =
            row == 5 ? QStringLiteral("1020500000") : QStringLiteral("3025.00060");
        cell.numericAllowed = 1;
        cell.numberFormat = 1;
        cell.alignment = Alignment::Right;
        cell.bold = 1;
        cell.backColour = kPaleGreen;
    }
    Text(document, 6, 1, QStringLiteral("Four number formats, their sum and 25 % of the sum"),
         Alignment::Justified);
    document.cell(6, 1).bottom = document.cell(6, 4).bottom;
    document.cell(6, 1).right = document.cell(7, 1).right;
    for (int row = 1; row <= 4; ++row) {
        for (int column = 6; column <= 7; ++column) {
            if (row == 1 && column == 6) continue;
            document.cell(column, row).joinState = row == 1 ? kJoinedLeft : kJoinedAbove;
        }
    }

    // The picture and the icon lie beside the table, named relative to it, so the table shows
    // them wherever it is opened from.
    CellRecord& picture = document.cell(6, 6);
    picture.imageSpec = QStringLiteral("sample-picture.png*16777215");
    picture.backColour = kImageCellMarker;
    picture.bottom = document.cell(6, 9).bottom;
    picture.right = document.cell(7, 6).right;
    for (int row = 6; row <= 9; ++row) {
        for (int column = 6; column <= 7; ++column) {
            if (row == 6 && column == 6) continue;
            document.cell(column, row).joinState = row == 6 ? kJoinedLeft : kJoinedAbove;
        }
    }
    Text(document, 8, 6, QStringLiteral("Icon"), Alignment::Right);
    document.cell(8, 6).iconPath = QStringLiteral("sample-icon.ico");
    Text(document, 8, 8, QStringLiteral("Rotated"), Alignment::RotatedCentred);
    document.cell(8, 8).bottom = document.cell(8, 10).bottom;
    document.cell(8, 9).joinState = kJoinedAbove;
    document.cell(8, 10).joinState = kJoinedAbove;
    document.cell(8, 11).cellState = kCellCancelled;
    Text(document, 6, 12, QStringLiteral("31¬12¬2026"));
    Text(document, 7, 12, QStringLiteral("25=12=2027"));
    return document;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString examples = QStringLiteral("examples");
    const QString seeds = QStringLiteral("fuzz/corpus/fuzz_work_file");
    QDir().mkpath(seeds);
    if (!WriteArt(examples)) return fprintf(stderr, "make_examples: art not written\n"), 1;
    if (!SaveWorkFile(examples + QStringLiteral("/sample.qdvl"), SampleTable()).ok())
        return fprintf(stderr, "make_examples: sample not written\n"), 1;

    // Seeds: a small table in each format (the first byte picks the format and the padding).
    Document small;
    small.settings.gridCellWidth = 30;
    small.settings.gridCellHeight = 12;
    CreateTable(small, 2, 2, 2, 2, 0);
    small.cell(1, 1).text = QStringLiteral("f1.5f0.25f");
    small.cell(0, 1).operationDescriptor = QStringLiteral("1010100000");
    const QByteArray current = WorkFileBytes(small);
    QByteArray previous;
    for (qsizetype at = 0; at < current.size(); at += 3331)
        previous.append(current.mid(at, 3299));
    for (const auto& [name, prefix, bytes] :
         {std::tuple{"current", '\x02', current}, std::tuple{"previous", '\x03', previous}}) {
        QFile file(seeds + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(QByteArray(1, prefix) + bytes);
    }
    return 0;
}
