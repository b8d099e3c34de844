// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_icon.h"
#include "render/cell_image.h"
#include "render/image_report_memory.h"
#include "render_test_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QImage Filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(ImageFitting, ShrinkTheRelativelyWiderSideOrStretch) {
    struct Case {
        QSizeF image;
        QSize box;
        bool keepAspect;
        QSize fitted;
    };
    const Case cases[] = {
        {{400, 100}, {200, 200}, true, {200, 50}},   // wider: width limits
        {{100, 400}, {200, 200}, true, {50, 200}},   // taller: height limits
        {{100, 50}, {200, 200}, true, {200, 200}},   // limiting side fits: stretched
        {{300, 100}, {200, 200}, true, {200, 67}},   // 66.7 rounds to 67
        {{400, 100}, {0, 100}, true, {400, 100}},    // width 0 takes the image's
        {{400, 100}, {100, 0}, true, {100, 25}},     // height 0 takes the image's
        {{400, 100}, {200, 200}, false, {200, 200}}, // without aspect: the box
        {{400, 100}, {0, 0}, false, {400, 100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittedImageSize(c.image, c.box, c.keepAspect), c.fitted) << c.image.width();
}

TEST(ImageSpec, PathAndBackgroundColour) {
    const ImageSpec white = ParseImageSpec(QStringLiteral("  /pics/a b.png  *16777215"));
    EXPECT_EQ(white.path, QStringLiteral("/pics/a b.png"));
    EXPECT_EQ(white.background, 0xFFFFFF);
    const ImageSpec second = ParseImageSpec(QStringLiteral("/x.png*255*7"));
    EXPECT_EQ(second.path, QStringLiteral("/x.png"));
    EXPECT_EQ(second.background, 255);
    EXPECT_EQ(ParseImageSpec(QStringLiteral("/x.png*-2abc")).background, -2);
    EXPECT_EQ(ParseImageSpec(QStringLiteral("/x.png")).path, QStringLiteral("/x.png"));
    EXPECT_EQ(ParseImageSpec(QStringLiteral("/x.png")).background, 0);
}

TEST(ImageBox, ByLineThickness) {
    const std::pair<int, int> expected[] = {{1, 2}, {1, 3}, {2, 4}, {2, 5}, {3, 6}};
    for (int t = 1; t <= 5; ++t) {
        const auto rule = ImageBoxFor(t);
        ASSERT_TRUE(rule) << t;
        EXPECT_EQ(rule->offset, expected[t - 1].first) << t;
        EXPECT_EQ(rule->shrink, expected[t - 1].second) << t;
    }
    EXPECT_FALSE(ImageBoxFor(0));
    EXPECT_FALSE(ImageBoxFor(6));
}

TEST(LoadImageToPicture, FittedPictureOverTheBackgroundColour) {
    const QString wide = SaveTestImage(QStringLiteral("wide.png"), Filled(400, 100, Qt::red));
    ImageFileCache files;
    RecordingSink sink;
    const QImage picture = LoadCellImage(wide, 200, 200, 0xFFFFFF, files, sink);
    EXPECT_EQ(picture.size(), QSize(200, 50));
    EXPECT_EQ(PixelAt(picture, 0, 0), 0x0000FF);
    EXPECT_EQ(PixelAt(picture, 199, 49), 0x0000FF);

    // Transparent parts show the colour after the asterisk.
    QImage holes = Filled(20, 20, QColor(0, 0, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            holes.setPixelColor(x, y, Qt::blue);
    const QString transparent = SaveTestImage(QStringLiteral("holes.png"), holes);
    const QImage over = LoadCellImage(transparent, 20, 20, 0x00FF00, files, sink);
    EXPECT_EQ(PixelAt(over, 2, 2), 0xFF0000);
    EXPECT_EQ(PixelAt(over, 17, 17), 0x00FF00);
    EXPECT_TRUE(sink.messages.isEmpty());

    // Within one redraw a file is decoded once: the cache still has it after deletion.
    QFile::remove(wide);
    ASSERT_FALSE(files.Decode(wide).isNull());
}

TEST(LoadImageToPicture, FailuresReturnNothingAndSaySo) {
    ImageFileCache files;
    RecordingSink sink;
    const QString missing = TestFilePath(QStringLiteral("absent.png"));
    EXPECT_TRUE(LoadImageToPicture(missing, 0, 10, 10, true, files, sink).isNull());
    const QString garbage = WriteTestFile(QStringLiteral("garbage.png"), "not an image");
    EXPECT_TRUE(LoadImageToPicture(garbage, 0, 10, 10, true, files, sink).isNull());
    EXPECT_EQ(sink.messages,
              (QStringList{QStringLiteral("[GraphicLoadImageFileToBitmap] called on <") + missing +
                               QStringLiteral("> Missing file"),
                           QStringLiteral("[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] "
                                          "read error on <") +
                               garbage + QStringLiteral(">")}));

    // Keeping the aspect with no size at all, or a negative box, gives nothing silently.
    const QString good = SaveTestImage(QStringLiteral("good.png"), Filled(4, 4, Qt::red));
    sink.messages.clear();
    EXPECT_TRUE(LoadImageToPicture(good, 0, 0, 0, true, files, sink).isNull());
    EXPECT_TRUE(LoadImageToPicture(good, 0, -3, 10, true, files, sink).isNull());
    EXPECT_EQ(LoadImageToPicture(good, 0, 0, 0, false, files, sink).size(), QSize(4, 4));
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(FileExistence, TrimmedPathOfAnExistingFile) {
    const QString path = WriteTestFile(QStringLiteral("exists.txt"), "x");
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(FileExists(QStringLiteral("  ") + path + QStringLiteral(" ")));
    EXPECT_FALSE(FileExists(path + QStringLiteral(".no")));
    EXPECT_FALSE(FileExists(QStringLiteral("   ")));
    EXPECT_FALSE(FileExists(TestFilePath(QString()))); // a folder is not a file
}

TEST(LoadIcon, TheImageClosestTo25ScaledTo25) {
    const QString icon =
        WriteTestFile(QStringLiteral("sizes.ico"),
                      IconFileBytes({Filled(16, 16, Qt::red), Filled(24, 24, Qt::green),
                                     Filled(32, 32, Qt::blue), Filled(48, 48, Qt::black)}));
    const QImage loaded = LoadIcon(icon);
    EXPECT_EQ(loaded.size(), QSize(25, 25));
    EXPECT_EQ(PixelAt(loaded, 12, 12), 0x00FF00);

    // Equally close: the larger one.
    const QString tie =
        WriteTestFile(QStringLiteral("tie.ico"),
                      IconFileBytes({Filled(24, 24, Qt::red), Filled(26, 26, Qt::blue)}));
    EXPECT_EQ(PixelAt(LoadIcon(tie), 12, 12), 0xFF0000);

    // Transparency survives.
    const QString clear = WriteTestFile(QStringLiteral("clear.ico"),
                                        IconFileBytes({Filled(25, 25, QColor(0, 0, 0, 0))}));
    EXPECT_EQ(qAlpha(LoadIcon(clear).pixel(3, 3)), 0);

    EXPECT_TRUE(LoadIcon(TestFilePath(QStringLiteral("none.ico"))).isNull());
    const QString png =
        SaveTestImage(QStringLiteral("not_an_icon.ico.png"), Filled(25, 25, Qt::red));
    EXPECT_TRUE(LoadIcon(png).isNull());
}

TEST(ImageReportMemory, OncePerPathUntilTheCellsImageChanges) {
    Document document = MakeTable(3, 3, 20, 20);
    const QString broken = QStringLiteral("/pics/broken.png");
    document.cell(1, 1).backColour = -2;
    document.cell(1, 1).imageSpec = broken + QStringLiteral("*16777215");
    document.cell(2, 2).backColour = -2;
    document.cell(2, 2).imageSpec = broken + QStringLiteral("*0");

    ImageReportMemory memory;
    EXPECT_TRUE(memory.ShouldReport(1, 1, broken));
    EXPECT_FALSE(memory.ShouldReport(1, 1, broken)); // the next redraw
    EXPECT_FALSE(memory.ShouldReport(2, 2, broken)); // once per path
    memory.ForgetChangedCells(document);
    EXPECT_FALSE(memory.ShouldReport(1, 1, broken)); // nothing changed

    // Cell (1, 1) changes its image: its memory goes, but (2, 2) still holds the path.
    document.cell(1, 1).imageSpec = QStringLiteral("/pics/other.png*0");
    memory.ForgetChangedCells(document);
    EXPECT_FALSE(memory.ShouldReport(2, 2, broken));
    EXPECT_TRUE(memory.ShouldReport(1, 1, QStringLiteral("/pics/other.png")));

    // Both cells lose the broken image: set again, it is reported again.
    document.cell(2, 2).backColour = 0xFFFFFF;
    memory.ForgetChangedCells(document);
    document.cell(2, 2).backColour = -2;
    EXPECT_TRUE(memory.ShouldReport(2, 2, broken));
}
