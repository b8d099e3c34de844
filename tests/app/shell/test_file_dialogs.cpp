// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages/message_table.h"
#include "app/shell/file_dialogs.h"
#include "app/shell/qt_ui.h"

#include <QFileDialog>
#include <gtest/gtest.h>

namespace {

TEST(CompleteFileName, AddsTheDefaultExtensionToABareName) {
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u/table"), QStringLiteral("qdvl")),
              QStringLiteral("/home/u/table.qdvl"));
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u/table.qdvl"), QStringLiteral("qdvl")),
              QStringLiteral("/home/u/table.qdvl"));
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u/my.table"), QStringLiteral("qdvl")),
              QStringLiteral("/home/u/my.table"));
    // A dot in a folder name is no extension.
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u.v/table"), QStringLiteral("qdvl")),
              QStringLiteral("/home/u.v/table.qdvl"));
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u/cut"), QStringLiteral("bmp")),
              QStringLiteral("/home/u/cut.bmp"));
    EXPECT_EQ(CompleteFileName(QString(), QStringLiteral("qdvl")), QString());
    EXPECT_EQ(CompleteFileName(QStringLiteral("/home/u/"), QStringLiteral("qdvl")),
              QStringLiteral("/home/u/"));
}

TEST(DescribeFileDialog, CaptionsFiltersAndExtensions) {
    const MessageTable english(kEnglish);
    const FileDialogSetup work =
        DescribeFileDialog(FileDialogKind::WorkFile, FileDialogMode::Save, english);
    EXPECT_EQ(work.caption, QString());
    EXPECT_EQ(work.nameFilters, QStringList{QStringLiteral("Table (*.qdvl)")});
    EXPECT_EQ(work.defaultExtension, QStringLiteral("qdvl"));
    EXPECT_FALSE(work.open);

    const FileDialogSetup bitmapOpen =
        DescribeFileDialog(FileDialogKind::Bitmap, FileDialogMode::Open, english);
    EXPECT_EQ(bitmapOpen.caption, QStringLiteral("For bitmap file browser"));
    EXPECT_EQ(bitmapOpen.nameFilters,
              (QStringList{QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("All Files (*)")}));
    EXPECT_TRUE(bitmapOpen.open);
    EXPECT_EQ(DescribeFileDialog(FileDialogKind::Bitmap, FileDialogMode::Save, english).nameFilters,
              QStringList{QStringLiteral("Bitmap (*.bmp)")});

    const FileDialogSetup image =
        DescribeFileDialog(FileDialogKind::Image, FileDialogMode::Open, english);
    EXPECT_EQ(image.caption, QStringLiteral("File browser for image or photo"));
    EXPECT_EQ(image.nameFilters, (QStringList{QStringLiteral("Image (*.jpg *.png *.gif *.bmp)"),
                                              QStringLiteral("All Files (*)")}));
    EXPECT_EQ(image.defaultExtension, QStringLiteral("jpg"));

    const FileDialogSetup icon =
        DescribeFileDialog(FileDialogKind::Icon, FileDialogMode::Open, english);
    EXPECT_EQ(icon.caption, QStringLiteral("File browser for icons"));
    EXPECT_EQ(icon.nameFilters, QStringList{QStringLiteral("Icon (*.ico)")});

    const FileDialogSetup jpeg =
        DescribeFileDialog(FileDialogKind::Jpeg, FileDialogMode::Save, english);
    EXPECT_EQ(jpeg.caption, QStringLiteral("File browser for JPEG"));
    EXPECT_EQ(jpeg.nameFilters,
              QStringList({QStringLiteral("Jpeg (*.jpg)"), QStringLiteral("PNG (*.png)"),
                           QStringLiteral("WebP (*.webp)"), QStringLiteral("SVG (*.svg)"),
                           QStringLiteral("PDF (*.pdf)")}));
    EXPECT_EQ(jpeg.defaultExtension, QStringLiteral("Jpeg"));

    const FileDialogSetup data =
        DescribeFileDialog(FileDialogKind::Data, FileDialogMode::Open, english);
    EXPECT_EQ(data.caption, QStringLiteral("File browser for data"));
    EXPECT_EQ(data.nameFilters, (QStringList{QStringLiteral("Data (*.csv *.tsv *.txt)"),
                                             QStringLiteral("All Files (*)")}));
    EXPECT_TRUE(data.open);

    const MessageTable german(kGerman);
    EXPECT_EQ(DescribeFileDialog(FileDialogKind::Icon, FileDialogMode::Open, german).caption,
              MessageIn(kGerman, 5, 1));
}

TEST(MessageBoxText, UsesPlainLineBreaks) {
    EXPECT_EQ(MessageBoxText(QStringLiteral("a\r\nb\r\nc")), QStringLiteral("a\nb\nc"));
}

// A name typed without extension takes the chosen format's: the first filter's default, the
// others their own, and a filter without an extension the default.
TEST(PrepareFileDialog, TheChosenFilterGivesTheDefaultSuffix) {
    FileDialogSetup setup;
    setup.nameFilters = {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("PNG (*.png)"),
                         QStringLiteral("All Files (*)")};
    setup.defaultExtension = QStringLiteral("jpg");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    PrepareFileDialog(dialog, setup, QString());
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
    Q_EMIT dialog.filterSelected(setup.nameFilters[1]);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("png"));
    Q_EMIT dialog.filterSelected(setup.nameFilters[2]);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
    Q_EMIT dialog.filterSelected(setup.nameFilters[1]);
    Q_EMIT dialog.filterSelected(setup.nameFilters[0]);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
}

} // namespace
