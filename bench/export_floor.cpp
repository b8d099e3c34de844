// SPDX-License-Identifier: GPL-3.0-or-later
// What a JPEG export of the benchmark's full table cannot leave out, and nothing of the
// program's own: start a Qt application, read every byte of the work file, load one font, make
// the picture, draw each cell's number as one glyph run and encode at the export's quality.
// Its processor time is the floor under `quadrivel-cli export` of the same table.
//   export_floor FILE OUT.jpg WIDTH HEIGHT
#include "model/work_file_layout.h"
#include "render/cell_font.h"
#include "render/image_format_writer.h"
#include "render/picture.h"

#include <QFile>
#include <QFont>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>

namespace {

constexpr int kCells = 109;
constexpr int kCellPixels = 10;
constexpr int kOrigin = 2;
constexpr int kJpegQuality = 100;

// Each cell's number with two decimals, drawn from glyphs and advances looked up once.
void DrawNumbers(QImage& picture) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(PointsToPixels(10));
    const QRawFont raw = QRawFont::fromFont(font);
    const QString characters = QStringLiteral("0123456789.");
    const QList<quint32> glyphs = raw.glyphIndexesForString(characters);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QPainter painter(&picture);
    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const QString text = QString::number((column + row) % 100) + QStringLiteral(".00");
            runGlyphs.resize(0);
            runPositions.resize(0);
            qreal x = kOrigin + column * kCellPixels;
            for (const QChar c : text) {
                const qsizetype at = characters.indexOf(c);
                runGlyphs.append(glyphs[at]);
                runPositions.append(QPointF(x, kOrigin + (row + 1) * kCellPixels));
                x += advances[at].x();
            }
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(runGlyphs);
            run.setPositions(runPositions);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (argc != 5) return 2;
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly)) return 1;
    QByteArray window(qsizetype(256 * kRecordSize), '\0');
    while (table.read(window.data(), window.size()) > 0) {
    }
    QImage picture = MakePicture(atoi(argv[3]), atoi(argv[4]), 0xFFFFFF);
    DrawNumbers(picture);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) return 1;
    return WriteImageFormat(picture, "jpg", kJpegQuality, out).isEmpty() ? 0 : 1;
}
