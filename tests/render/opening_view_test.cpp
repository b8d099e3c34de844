// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"
#include "model/work_file.h"
#include "render/opening_view.h"
#include "render/picture.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

TEST(OpeningView, TheWindowsPictureRightAfterOpeningAFile) {
    Document made = MakeTable(4, 5, 60, 20);
    made.cell(0, 0).text = QStringLiteral("c5c");
    for (int row = 0; row < 4; ++row)
        made.cell(3, row).text = QString::number(row + 1);
    made.cell(3, 4).operationDescriptor = QStringLiteral("1010400000"); // sum of rows 1..4
    made.cell(1, 2).backColour = 0x00FF00;
    const QString path = TestFilePath(QStringLiteral("opening.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, made).ok());

    Document document;
    ASSERT_TRUE(LoadAnyWorkFile(path, document, [] { return QString(); }).ok());
    RecordingSink sink;
    const FixedClock clock(QDate(2024, 5, 17));
    const QImage picture = RenderOpeningView(document, QStringLiteral(".00"), 0, clock, sink);

    EXPECT_EQ(picture.size(), QSize(1122, 1122));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(PixelAt(picture, 0, 0), 0xFFFFFF);
    EXPECT_EQ(PixelAt(picture, 1, 500), 0);          // page frame
    EXPECT_EQ(PixelAt(picture, 794, 900), 0x0000FF); // page mark (900 = 6 * 150)
    // Stored at origin 2 and drawn at origin 2: the first cell's corner is (4, 4).
    EXPECT_EQ(PixelAt(picture, 4, 4), 0);
    EXPECT_EQ(PixelAt(picture, 3, 3), 0xFFFFFF);
    EXPECT_EQ(PixelAt(picture, 64, 50), 0);
    EXPECT_EQ(PixelAt(picture, 120, 60), 0x00FF00);

    // The document is left as the window holds it: series and operations evaluated.
    EXPECT_EQ(document.cell(3, 0).text, QStringLiteral("1"));
    EXPECT_EQ(document.cell(0, 4).text, QStringLiteral("9"));
    EXPECT_EQ(document.commands.at(0, 0), QStringLiteral("c5c"));
    EXPECT_EQ(document.cell(3, 4).text, QStringLiteral("10"));
    EXPECT_EQ(document.extentRight, 4 * 60 + 4);
    EXPECT_EQ(document.extentBottom, 5 * 20 + 4);
    EXPECT_TRUE(sink.messages.isEmpty());
}
