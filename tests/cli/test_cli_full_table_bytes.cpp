// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a saved full table, of its BMP and JPEG exports and of its dump, pinned: a faster
// reader, writer or renderer must produce exactly the same files.
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <QCryptographicHash>
#include <QProcess>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace {

QString Word(int i) {
    static const std::array<QString, 6> words = {
        QStringLiteral("Total"), QStringLiteral("12.5"), QStringLiteral("año 2025"),
        QStringLiteral("f3f"),   QStringLiteral("-7"),   QStringLiteral("Net sum"),
    };
    return words[size_t(i) % words.size()];
}

// 111 x 111 cells of 10 x 10 with every kind of content that reaches the file or the picture:
// numbers, words, full 273-unit texts, fonts, styles, all six alignments, colours, number
// formats, image cells without their image, an operation per row.
Document FullTable() {
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTable(document, kGridCapacity, kGridCapacity, 2, 2, 0);
    const std::array<QString, 4> faces = {kDefaultFontName, QStringLiteral("Arial"),
                                          QStringLiteral("Courier New"),
                                          QStringLiteral("DejaVu Sans")};
    for (int row = 0; row < kGridCapacity; ++row) {
        for (int column = 0; column < kGridCapacity; ++column) {
            const int i = row * kGridCapacity + column;
            CellRecord& cell = document.cell(column, row);
            switch (i % 5) {
            case 0:
                cell.text = QString::number(i % 1000);
                cell.numericAllowed = 1;
                cell.numberFormat = int16_t(1 + i % 7);
                break;
            case 1:
                cell.text = QString(kTextMaxUnits, QChar(u'a' + i % 26));
                break;
            case 2:
                cell.text = Word(i) + u' ' + Word(i / 7) + u' ' + Word(i / 11);
                break;
            case 3:
                cell.text = Word(i);
                break;
            default:
                break;
            }
            cell.fontName = faces[size_t(i / 3) % faces.size()];
            cell.fontSize = int16_t(6 + i % 7);
            cell.bold = i % 3 == 0;
            cell.italic = i % 4 == 0;
            cell.underline = i % 13 == 0;
            cell.leading = i % 17 == 0;
            cell.alignment = Alignment(int(Alignment::Left) + i % 6);
            cell.textColour = int32_t((uint32_t(i) * 2654435761u) & 0xFFFFFF);
            cell.backColour = i % 29 == 0 ? kImageCellMarker : 0xFFFFFF - (i % 64) * 0x030201;
            if (cell.backColour == kImageCellMarker)
                cell.imageSpec = QStringLiteral("/no/such/picture.png*16777215");
        }
        document.cell(kGridCapacity - 1, row).operationDescriptor = QStringLiteral("0000010299");
    }
    return document;
}

std::string Sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

QByteArray CliOutput(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

} // namespace

TEST(FullTableBytes, SavedExportedAndDumpedBytesStayTheSame) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("full.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, FullTable()).ok());
    EXPECT_EQ(Sha256(TempFolder::Read(table)),
              "cfaf550b112798254c121247dc494272f3d934b0294cdc875bbc319f66640b7d");

    const QString bitmap = folder.Path(QStringLiteral("full.bmp"));
    const QString today = QStringLiteral("2025-06-15");
    CliOutput({QStringLiteral("export"), table, bitmap, QStringLiteral("--kind"),
               QStringLiteral("bitmap"), QStringLiteral("--today"), today});
    EXPECT_EQ(Sha256(TempFolder::Read(bitmap)),
              "32c369a63ce86e4942c3e34f60347b6143986c0b15997ebfe4d9653be5be1077");

    const QString jpeg = folder.Path(QStringLiteral("full.jpg"));
    CliOutput({QStringLiteral("export"), table, jpeg, QStringLiteral("--today"), today});
    EXPECT_EQ(Sha256(TempFolder::Read(jpeg)),
              "09d9ef526c49825191744d3b08feec3913b109aa07e8cd5ab405650b481d31a8");

    EXPECT_EQ(Sha256(CliOutput({QStringLiteral("dump"), table, QStringLiteral("--today"), today})),
              "ed459fdedf8507ac952beae1f0757734af65edf8e223f42f1164882168115a89");
}
