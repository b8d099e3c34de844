// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/raster_limit.h"
#include "render/table_renderer.h"
#include "render_test_support.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kWhiteBgr = 0xFFFFFF;
constexpr int32_t kBlackBgr = 0x000000;
constexpr int32_t kMarkRed = 0x0000FF;
constexpr int32_t kGreenPage = 0x00FF00;

// Renders the cut picture of a document as the export would write it.
class CutRenderer {
public:
    QImage Cut(ExportKind kind, Document& document) {
        return RenderCutPicture(kind, surface_, document, RenderOptions{}, clock_, sink_, reports_);
    }
    Status Export(ExportKind kind, const QString& name, Document& document) {
        return ExportCut(kind, name, surface_, document, RenderOptions{}, clock_, sink_, reports_);
    }

private:
    QtDrawingSurface surface_;
    FixedClock clock_{QDate(2025, 6, 15)};
    RecordingSink sink_;
    ImageReportMemory reports_;
};

QByteArray FileStart(const QString& path, int length) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(length) : QByteArray();
}

} // namespace

TEST(ExportCut, FrameByThicknessAndKind) {
    const struct {
        int thickness;
        int origin;
        int jpegExtra;
        int bitmapExtra;
    } cases[] = {{5, 0, 2, 2},
                 {4, 0, 1, 1},
                 {3, -1, 1, 1},
                 {2, -1, 1, 0},
                 {1, -2, 1, 0},
                 // Out of range: exported as thickness 1.
                 {0, -2, 1, 0},
                 {6, -2, 1, 0},
                 {-3, -2, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.thickness);
        const ExportFrame jpeg = ExportFrameFor(c.thickness, ExportKind::Jpeg);
        const ExportFrame bitmap = ExportFrameFor(c.thickness, ExportKind::Bitmap);
        EXPECT_EQ(jpeg.origin, c.origin);
        EXPECT_EQ(bitmap.origin, c.origin);
        EXPECT_EQ(jpeg.extra, c.jpegExtra);
        EXPECT_EQ(bitmap.extra, c.bitmapExtra);
    }
}

TEST(ExportCut, OneCellSizesByThickness) {
    // One cell stored from (2, 2) to (102, 42).
    const struct {
        int thickness;
        QSize jpeg;
        QSize bitmap;
    } cases[] = {{1, {101, 41}, {100, 40}}, {2, {102, 42}, {101, 41}}, {3, {102, 42}, {102, 42}},
                 {4, {103, 43}, {103, 43}}, {5, {104, 44}, {104, 44}}, {7, {101, 41}, {100, 40}}};
    CutRenderer renderer;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.thickness);
        Document document = MakeTable(1, 1, 100, 40, 0, c.thickness);
        ASSERT_EQ(document.cell(0, 0).right, 102);
        EXPECT_EQ(renderer.Cut(ExportKind::Jpeg, document).size(), c.jpeg);
        EXPECT_EQ(renderer.Cut(ExportKind::Bitmap, document).size(), c.bitmap);
    }
    Document thin = MakeTable(1, 1, 100, 40, 0, 1);
    renderer.Cut(ExportKind::Jpeg, thin);
    EXPECT_EQ(thin.extentRight, 100);
    EXPECT_EQ(thin.extentBottom, 40);
}

TEST(ExportCut, SeparatorsAreIncluded) {
    CutRenderer renderer;
    // 3 columns of 40 and 2 rows of 20 with 4-pixel separators: the last cell ends at
    // 2 + 120 + 2 * 4 - 2 across and 2 + 40 + 4 - 2 down.
    Document document = MakeTable(3, 2, 40, 20, 4, 1);
    EXPECT_EQ(renderer.Cut(ExportKind::Jpeg, document).size(), QSize(129, 45));
    EXPECT_EQ(renderer.Cut(ExportKind::Bitmap, document).size(), QSize(128, 44));
}

TEST(ExportCut, OnlyTheTableWithoutFrameOrMarks) {
    CutRenderer renderer;
    // Wide and tall enough to cross the page marks at 794.
    Document document = MakeTable(9, 9, 100, 100, 0, 1);
    document.settings.pageColour = kGreenPage;
    const QImage jpeg = renderer.Cut(ExportKind::Jpeg, document);
    ASSERT_EQ(jpeg.size(), QSize(901, 901));
    // The grid starts at the very corner: no page frame, no page margin.
    EXPECT_EQ(PixelAt(jpeg, 0, 0), kBlackBgr);
    EXPECT_EQ(PixelAt(jpeg, 0, 50), kBlackBgr);
    EXPECT_EQ(PixelAt(jpeg, 50, 0), kBlackBgr);
    EXPECT_EQ(PixelAt(jpeg, 1, 1), kWhiteBgr);
    // The right and bottom grid lines are the last column and row of the picture.
    EXPECT_EQ(PixelAt(jpeg, 900, 450), kBlackBgr);
    EXPECT_EQ(PixelAt(jpeg, 450, 900), kBlackBgr);
    EXPECT_EQ(PixelAt(jpeg, 899, 899), kWhiteBgr);
    // Where the window shows the dotted page marks, the cells are plain.
    for (int along : {0, 1, 2, 150, 351, 652}) {
        EXPECT_EQ(PixelAt(jpeg, 794, along + 5), kWhiteBgr) << along;
        EXPECT_EQ(PixelAt(jpeg, along + 5, 794), kWhiteBgr) << along;
    }
    int pagePixels = 0;
    int markPixels = 0;
    for (int y = 0; y < jpeg.height(); ++y) {
        for (int x = 0; x < jpeg.width(); ++x) {
            pagePixels += PixelAt(jpeg, x, y) == kGreenPage;
            markPixels += PixelAt(jpeg, x, y) == kMarkRed;
        }
    }
    EXPECT_EQ(pagePixels, 0);
    EXPECT_EQ(markPixels, 0);

    // The bitmap kind ends one pixel earlier: inside the last cells.
    const QImage bitmap = renderer.Cut(ExportKind::Bitmap, document);
    ASSERT_EQ(bitmap.size(), QSize(900, 900));
    EXPECT_EQ(PixelAt(bitmap, 899, 450), kWhiteBgr);
    EXPECT_EQ(PixelAt(bitmap, 0, 450), kBlackBgr);
}

TEST(ExportCut, SelectedCellsComeOutAsIfNothingWereSelected) {
    CutRenderer renderer;
    Document document = MakeTable(3, 2, 40, 20, 0, 1);
    document.cell(1, 0).text = QStringLiteral("Price");
    const QImage unselected = renderer.Cut(ExportKind::Jpeg, document);
    document.cell(1, 0).selected = 1;
    document.cell(2, 1).selected = 1;
    EXPECT_EQ(renderer.Cut(ExportKind::Jpeg, document), unselected);
    EXPECT_EQ(document.cell(1, 0).selected, 1); // the view keeps the selection
}

TEST(ExportCut, ThickLinesKeepTheirOuterHalf) {
    CutRenderer renderer;
    Document document = MakeTable(2, 1, 50, 30, 0, 5);
    const QImage cut = renderer.Cut(ExportKind::Jpeg, document);
    ASSERT_EQ(cut.size(), QSize(104, 34));
    // The left line of width 5 is centred on x = 2: pixels 0 to 4.
    for (int x = 0; x <= 4; ++x)
        EXPECT_EQ(PixelAt(cut, x, 15), kBlackBgr) << x;
    EXPECT_EQ(PixelAt(cut, 5, 15), kWhiteBgr);
    // The right line is centred on x = 102: its pixels 100 to 103 are inside the picture.
    for (int x = 100; x <= 103; ++x)
        EXPECT_EQ(PixelAt(cut, x, 15), kBlackBgr) << x;
    EXPECT_EQ(PixelAt(cut, 99, 15), kWhiteBgr);
}

TEST(ExportCut, EvaluatesSeriesAndRecomputesLikeARedraw) {
    CutRenderer renderer;
    Document document = MakeTable(4, 1, 40, 20, 0, 1);
    document.cell(0, 0).text = QStringLiteral("f5f");
    renderer.Cut(ExportKind::Jpeg, document);
    EXPECT_EQ(document.cell(3, 0).text, QStringLiteral("8"));
    EXPECT_EQ(document.commands.at(0, 0), QStringLiteral("f5f"));
}

TEST(ExportCut, WritesByKindAndExtension) {
    CutRenderer renderer;
    Document document = MakeTable(1, 1, 100, 40, 0, 1);

    // A .png name in the JPEG kind writes a PNG: the encoder follows the extension.
    const QString png = TestFilePath(QStringLiteral("cut.png"));
    ASSERT_TRUE(renderer.Export(ExportKind::Jpeg, png, document).ok());
    EXPECT_EQ(FileStart(png, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    const QImage pngBack(png);
    EXPECT_EQ(pngBack.size(), QSize(101, 41));
    EXPECT_EQ(PixelAt(pngBack, 100, 20), kBlackBgr);

    const QString jpeg = TestFilePath(QStringLiteral("cut.jpg"));
    ASSERT_TRUE(renderer.Export(ExportKind::Jpeg, jpeg, document).ok());
    EXPECT_EQ(FileStart(jpeg, 3), QByteArray("\xFF\xD8\xFF", 3));
    EXPECT_EQ(QImageReader(jpeg).size(), QSize(101, 41));

    // The bitmap kind writes a BMP whatever the name, one pixel smaller here.
    const QString bmp = TestFilePath(QStringLiteral("cut-bitmap.bmp"));
    ASSERT_TRUE(renderer.Export(ExportKind::Bitmap, bmp, document).ok());
    EXPECT_EQ(FileStart(bmp, 2), QByteArray("BM"));
    EXPECT_EQ(QImage(bmp).size(), QSize(100, 40));
}

TEST(ExportCut, FailuresWriteNothingAndSayWhy) {
    CutRenderer renderer;
    Document document = MakeTable(1, 1, 100, 40, 0, 1);

    const QString noExtension = TestFilePath(QStringLiteral("picture"));
    const Status bare = renderer.Export(ExportKind::Jpeg, noExtension, document);
    EXPECT_EQ(bare.code, StatusCode::WriteFailed);
    EXPECT_TRUE(bare.detail.startsWith(noExtension));
    EXPECT_TRUE(bare.detail.contains(QStringLiteral("extension")));
    EXPECT_FALSE(QFile::exists(noExtension));

    const QString unknown = TestFilePath(QStringLiteral("picture.xyz"));
    const Status odd = renderer.Export(ExportKind::Jpeg, unknown, document);
    EXPECT_EQ(odd.code, StatusCode::WriteFailed);
    EXPECT_TRUE(odd.detail.contains(QStringLiteral(".xyz")));
    EXPECT_FALSE(QFile::exists(unknown));

    const QString nowhere = TestFilePath(QStringLiteral("missing-folder/picture.png"));
    EXPECT_EQ(renderer.Export(ExportKind::Jpeg, nowhere, document).code, StatusCode::WriteFailed);
    EXPECT_EQ(renderer.Export(ExportKind::Bitmap, nowhere, document).code, StatusCode::WriteFailed);
    EXPECT_FALSE(QFile::exists(nowhere));

    EXPECT_EQ(renderer.Export(ExportKind::Jpeg, QString(), document).code, StatusCode::WriteFailed);

    // A document without a table has nothing to export.
    Document empty;
    const QString none = TestFilePath(QStringLiteral("none.png"));
    EXPECT_EQ(renderer.Export(ExportKind::Jpeg, none, empty).code, StatusCode::WriteFailed);
    EXPECT_FALSE(QFile::exists(none));
}

TEST(ExportCut, TheWholeTableWhateverItsHeight) {
    CutRenderer renderer;
    // 111 rows of 28 pixels: 3108 pixels high, far beyond the window's picture.
    Document document = MakeTable(5, 111, 104, 28);
    const QImage cut = renderer.Cut(ExportKind::Jpeg, document);
    ASSERT_EQ(cut.size(), QSize(521, 3109));
    EXPECT_EQ(PixelAt(cut, 10, 3108), kBlackBgr);  // the last row's bottom line
    EXPECT_EQ(PixelAt(cut, 520, 3100), kBlackBgr); // the last column's right line
    EXPECT_EQ(PixelAt(cut, 10, 3100), kWhiteBgr);
}

TEST(ExportCut, APictureBeyondWhatItsEncoderTakesIsRefused) {
    // One column of w pixels: w + 1 wide as a JPEG-kind cut, w as a bitmap.
    const auto problem = [](int width, ExportKind kind, const char* mimeType, int scale = 1) {
        const Document document = MakeTable(1, 1, width, 40);
        return RasterCutProblem(kind, QString::fromLatin1(mimeType), document, {scale, false});
    };
    EXPECT_EQ(problem(32766, ExportKind::Jpeg, "image/png"), QString());
    EXPECT_EQ(problem(32767, ExportKind::Jpeg, "image/png"),
              QStringLiteral("the picture would be 32768 x 41 pixels, more than the 32767 pixels "
                             "a side this format allows"));
    EXPECT_EQ(problem(32767, ExportKind::Bitmap, "image/bmp"), QString());
    EXPECT_EQ(problem(16382, ExportKind::Jpeg, "image/webp"), QString());
    EXPECT_FALSE(problem(16383, ExportKind::Jpeg, "image/webp").isEmpty());
    EXPECT_EQ(problem(16383, ExportKind::Jpeg, "image/png", 2),
              QStringLiteral("the picture would be 32768 x 82 pixels, more than the 32767 pixels "
                             "a side this format allows"));
    // The pixel limit, for a side limit that would let more through.
    EXPECT_TRUE(PictureFits(QSize(32768, 32768), 40000));
    EXPECT_EQ(PictureSizeProblem(QSize(32768, 32769), 40000),
              QStringLiteral("the picture would be 32768 x 32769 pixels, more than the 1073741824 "
                             "pixels in all a picture may have"));

    // Refused before any writing: the older file stays.
    CutRenderer renderer;
    Document wide = MakeTable(1, 1, 32767, 40);
    const QString png = TestFilePath(QStringLiteral("wide.png"));
    QFile older(png);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("older");
    older.close();
    const Status status = renderer.Export(ExportKind::Jpeg, png, wide);
    EXPECT_EQ(status.code, StatusCode::WriteFailed);
    EXPECT_TRUE(status.detail.startsWith(png + QStringLiteral(": the picture would be 32768")));
    EXPECT_EQ(FileStart(png, 10), QByteArray("older"));
}
