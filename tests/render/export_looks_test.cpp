// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/built_in_styles.h"
#include "content/clock.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/picture_file.h"
#include "render/style_preview.h"
#include "render/table_renderer.h"
#include "render/webp_writer.h"
#include "render_test_support.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kGreenPage = 0x00FF00;

// Draws and writes exports of one document the way the export command does.
class Exporter {
public:
    QImage Cut(Document& document, ExportLook look) {
        return RenderCutPicture(ExportKind::Jpeg, surface_, document, RenderOptions{}, clock_,
                                sink_, reports_, look);
    }
    Status Export(Document& document, const QString& name, ExportLook look = {}) {
        return ExportCut(ExportKind::Jpeg, name, surface_, document, RenderOptions{}, clock_, sink_,
                         reports_, look);
    }
    EncoderChoice Writer(Document& document, const QString& name, ExportKind kind) {
        return CutWriter(kind, name, surface_, document, RenderOptions{}, clock_, sink_, reports_);
    }

private:
    QtDrawingSurface surface_;
    FixedClock clock_{QDate(2025, 6, 15)};
    RecordingSink sink_;
    ImageReportMemory reports_;
};

// 3 x 2 cells of 40 x 20, 4-pixel separators, thickness 2, each cell its own fill, a green
// page: the cut is 130 x 46 pixels.
Document ColouredTable() {
    Document document = MakeTable(3, 2, 40, 20, 4, 2);
    document.settings.pageColour = kGreenPage;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            document.cell(column, row).backColour = 0x102030 * (column + 3 * row + 1);
    return document;
}

// A picture of many colours, finer than any cell.
QImage DetailedImage() {
    QImage image(240, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, (x * 7 + y * 13) % 256));
    return image;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int DistinctColours(const QImage& picture, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(picture.pixel(x, y));
    return int(colours.size());
}

// Fails every write past `limit` bytes as a full disk does, after a short write.
class FullDevice final : public QIODevice {
public:
    explicit FullDevice(qint64 limit) : limit_(limit) { open(QIODevice::WriteOnly); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        const qint64 room = limit_ - written;
        if (room <= 0) {
            setErrorString(QString::fromLocal8Bit(strerror(ENOSPC)));
            return -1;
        }
        written += std::min(room, length);
        return std::min(room, length);
    }

private:
    qint64 limit_;
};

} // namespace

TEST(ExportLook, ScaleMultipliesEveryLength) {
    Exporter exporter;
    Document document = ColouredTable();
    const QImage plain = exporter.Cut(document, {});
    ASSERT_EQ(plain.size(), QSize(130, 46));
    for (int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const QImage scaled = exporter.Cut(document, {scale, false});
        ASSERT_EQ(scaled.size(), plain.size() * scale);
        // Fills, lines and separators land on the multiplied pixels, every one of them.
        int differing = 0;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                differing += scaled.pixel(x, y) != plain.pixel(x / scale, y / scale);
        EXPECT_EQ(differing, 0);
    }
}

// A style's preview for a sharp screen has the detail of the scaled export at the same size.
TEST(ExportLook, StylePreviewsKeepTheirSizeAtTheScreensDetail) {
    Document document = ColouredTable();
    const TableStyle& banded = *FindStyle(BuiltInStyles(), QStringLiteral("banded"));
    const FixedClock clock{QDate(2026, 1, 1)};
    const QImage plain = StylePreview(document, banded, RenderOptions{}, clock);
    const QImage sharp = StylePreview(document, banded, RenderOptions{}, clock, 2);
    EXPECT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size()));
    EXPECT_EQ(document.cell(0, 0).backColour, ColouredTable().cell(0, 0).backColour);
}

TEST(ExportLook, ImagesAndIconsAreDrawnFromTheirFilesAtTheScale) {
    Exporter exporter;
    Document document = MakeTable(2, 1, 60, 60, 0, 1);
    const QImage detailed = DetailedImage();
    document.cell(0, 0).imageSpec =
        SaveTestImage(QStringLiteral("detailed.png"), detailed) + QStringLiteral("*16777215");
    document.cell(0, 0).backColour = kImageCellMarker;
    document.cell(1, 0).iconPath =
        WriteTestFile(QStringLiteral("detailed.ico"), IconFileBytes({detailed.scaled(100, 100)}));
    const QImage plain = exporter.Cut(document, {});
    const QImage scaled = exporter.Cut(document, {2, false});
    const QImage enlarged = plain.scaled(plain.size() * 2);
    // The image box of a thickness-1 cell starts one pixel inside its border, the icon at the
    // border's thickness.
    for (const QRect& box : {QRect(1, 1, 58, 58), QRect(61, 1, 25, 25)}) {
        const QRect doubled(box.topLeft() * 2, box.size() * 2);
        EXPECT_GT(DistinctColours(scaled, doubled), 2 * DistinctColours(enlarged, doubled));
        EXPECT_EQ(DistinctColours(enlarged, doubled), DistinctColours(plain, box));
    }
}

TEST(ExportLook, SvgHoldsTheSamePictureAndItsText) {
    Exporter exporter;
    Document document = ColouredTable();
    document.cell(2, 1).text = QStringLiteral("Zeta");
    const QString svg = TestFilePath(QStringLiteral("table.svg"));
    ASSERT_TRUE(exporter.Export(document, svg).ok());
    const QImage plain = exporter.Cut(document, {});

    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), plain.size()));
    QImage drawn(plain.size(), QImage::Format_RGB32);
    drawn.fill(Qt::magenta);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    // The last cell holds the text: it is compared apart.
    const QRect textCell(86, 22, 44, 24);
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (textCell.contains(x, y)) continue;
            const QRgb a = drawn.pixel(x, y), b = plain.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                         std::abs(qBlue(a) - qBlue(b)) > 2;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(FileBytes(svg).contains(">Zeta</text>"));

    // Transparent: no page under the separators, the cells as they were.
    ASSERT_TRUE(exporter.Export(document, svg, {1, true}).ok());
    drawn.fill(Qt::magenta);
    painter.begin(&drawn);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    EXPECT_EQ(drawn.pixel(42, 10), QColor(Qt::magenta).rgb());
    EXPECT_EQ(drawn.pixel(20, 10), plain.pixel(20, 10));
}

TEST(ExportLook, PdfIsOnePageOfTheCutWithEveryText) {
    Exporter exporter;
    Document document = ColouredTable();
    const QStringList texts = {QStringLiteral("Alpha"), QStringLiteral("Beta"),
                               QStringLiteral("Gamma"), QStringLiteral("Delta")};
    for (int i = 0; i < texts.size(); ++i)
        document.cell(i % 3, i / 3).text = texts[i];
    const QString pdf = TestFilePath(QStringLiteral("table.pdf"));
    ASSERT_TRUE(exporter.Export(document, pdf).ok());
    const QByteArray bytes = FileBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 130.000000 46.000000]"));
    EXPECT_TRUE(bytes.contains("/FontFile2")); // the font travels with the file

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& expected : texts)
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

TEST(ExportLook, TransparentLeavesOnlyThePageClear) {
    Exporter exporter;
    Document document = ColouredTable();
    const QImage cut = exporter.Cut(document, {2, true});
    // Cell (0, 0) covers 0..40 at scale 1, the separator 41..43, the next cell from 44.
    EXPECT_EQ(qAlpha(cut.pixel(2 * 42, 20)), 0);
    EXPECT_EQ(qAlpha(cut.pixel(2 * 20, 2 * 10)), 255);
    EXPECT_EQ(qAlpha(cut.pixel(2 * 60, 2 * 10)), 255);
    EXPECT_EQ(qAlpha(cut.pixel(2 * 20, 2 * 22)), 0); // between the rows

    const QString png = TestFilePath(QStringLiteral("clear.png"));
    ASSERT_TRUE(exporter.Export(document, png, {2, true}).ok());
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_ARGB32),
              cut.convertToFormat(QImage::Format_ARGB32));
    // Formats without an alpha channel refuse it.
    for (const char* name : {"c.jpg", "c.gif", "c.tif", "c.bmp"}) {
        const QString path = TestFilePath(QString::fromLatin1(name));
        EXPECT_FALSE(exporter.Export(document, path, {1, true}).ok()) << name;
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
    EXPECT_FALSE(TransparencyPossible(ExportKind::Bitmap, QStringLiteral("c.png")));
    EXPECT_TRUE(TransparencyPossible(ExportKind::Jpeg, QStringLiteral("c.PDF")));
}

TEST(ExportLook, TransparentClearsFillsOfThePageColourOnly) {
    Exporter exporter;
    // White cells on a white page, one green cell, a title bar filled white.
    Document document = MakeTable(3, 2, 40, 20);
    document.cell(2, 1).backColour = kGreenPage;
    document.settings.horizontalTitleBar = 1;
    const QImage cut = exporter.Cut(document, {1, true});
    EXPECT_EQ(qAlpha(cut.pixel(20, 30)), 0);              // a white cell
    EXPECT_EQ(qAlpha(cut.pixel(60, 10)), 0);              // the white title bar
    EXPECT_EQ(cut.pixel(100, 30), qRgba(0, 255, 0, 255)); // the green cell
    EXPECT_EQ(cut.pixel(40, 30), qRgba(0, 0, 0, 255));    // a grid line
    EXPECT_EQ(cut.pixel(60, 0), qRgba(0, 0, 0, 255));     // the bar's border

    // In the cell-area styles a white area loses its outline with its fill.
    document.settings.horizontalTitleBar = 0;
    document.settings.horizontalLinesWithCellAreas = 1;
    const QImage areas = exporter.Cut(document, {1, true});
    EXPECT_EQ(qAlpha(areas.pixel(40, 30)), 0);
    EXPECT_EQ(areas.pixel(80, 30), qRgba(0, 255, 0, 255)); // the green area's outline
}

TEST(ExportLook, WebpIsLosslessOrNamesItsMissingEncoder) {
    Exporter exporter;
    Document document = ColouredTable();
    const QString webp = TestFilePath(QStringLiteral("table.webp"));
    const Status status = exporter.Export(document, webp, {2, true});
    if (!QImageWriter::supportedImageFormats().contains("webp")) {
        EXPECT_EQ(status.detail, webp + QStringLiteral(": no encoder writes image/webp"));
        return;
    }
    ASSERT_TRUE(status.ok()) << status.detail.toStdString();
    EXPECT_EQ(QImage(webp).convertToFormat(QImage::Format_ARGB32),
              exporter.Cut(document, {2, true}).convertToFormat(QImage::Format_ARGB32));
    // Opaque, with text: the same pixels, read back by Qt.
    document.cell(1, 1).text = QStringLiteral("WebP");
    ASSERT_TRUE(exporter.Export(document, webp).ok());
    const QImage opaque = exporter.Cut(document, {});
    const QImage read(webp);
    EXPECT_FALSE(read.hasAlphaChannel());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), opaque);

    // The encoder clears hidden colours on pixels of its own, never on the picture it is given.
    QImage hidden(2, 1, QImage::Format_ARGB32);
    hidden.setPixel(0, 0, qRgba(10, 20, 30, 0));
    hidden.setPixel(1, 0, qRgba(40, 50, 60, 255));
    const QImage shared = hidden;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteWebp(shared, out), QString());
    EXPECT_EQ(hidden.pixel(0, 0), qRgba(10, 20, 30, 0));
    EXPECT_EQ(QImage::fromData(out.data(), "WEBP").pixel(1, 0), qRgba(40, 50, 60, 255));
}

TEST(ExportLook, EveryFormatReportsAFailedWrite) {
    Exporter exporter;
    Document document = ColouredTable();
    document.cell(0, 0).text = QStringLiteral("text");
    const struct {
        const char* name;
        ExportKind kind;
    } formats[] = {{"f.png", ExportKind::Jpeg},  {"f.jpg", ExportKind::Jpeg},
                   {"f.gif", ExportKind::Jpeg},  {"f.tif", ExportKind::Jpeg},
                   {"f.webp", ExportKind::Jpeg}, {"f.svg", ExportKind::Jpeg},
                   {"f.pdf", ExportKind::Jpeg},  {"f.bmp", ExportKind::Bitmap}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const EncoderChoice choice =
            exporter.Writer(document, QString::fromLatin1(format.name), format.kind);
        if (!choice.status.ok()) { // WebP without its plugin
            EXPECT_TRUE(choice.status.detail.contains(QStringLiteral("no encoder")));
            continue;
        }
        FullDevice device(100);
        EXPECT_EQ(WritePictureTo(device, choice.write), QStringLiteral("No space left on device"));
        EXPECT_EQ(device.written, 100);
    }
}
