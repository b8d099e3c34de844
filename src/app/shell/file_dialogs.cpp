// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/file_dialogs.h"

#include "app/messages/message_table.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// Patterns are written the Windows way ("*.jpg;*.png"); "*.*" means every file there, which
// on Linux is "*" (names without a dot included).
QString NameFilter(const QString& description, const QString& patterns) {
    QString list = patterns;
    list.replace(u';', u' ');
    if (list == QStringLiteral("*.*")) list = QStringLiteral("*");
    return description + QStringLiteral(" (") + list + u')';
}

} // namespace

FileDialogSetup DescribeFileDialog(FileDialogKind kind, FileDialogMode mode,
                                   const MessageTable& messages) {
    FileDialogSetup setup;
    setup.open = mode == FileDialogMode::Open;
    const QString allFiles = NameFilter(messages.Message(msg::kAllFiles), QStringLiteral("*.*"));
    switch (kind) {
    case FileDialogKind::Bitmap:
        setup.caption = messages.Message(msg::kBitmapFileBrowser);
        setup.nameFilters = {NameFilter(QStringLiteral("Bitmap"), QStringLiteral("*.bmp"))};
        if (setup.open) setup.nameFilters.append(allFiles);
        setup.defaultExtension = QStringLiteral("bmp");
        break;
    case FileDialogKind::Image:
        setup.caption = messages.Message(msg::kFileBrowserImagePhoto);
        setup.nameFilters = {
            NameFilter(messages.Message(msg::kImage), QStringLiteral("*.jpg;*.png;*.gif;*.bmp")),
            NameFilter(QStringLiteral("All Files"), QStringLiteral("*.*"))};
        setup.defaultExtension = QStringLiteral("jpg");
        break;
    case FileDialogKind::Icon:
        setup.caption = messages.Message(msg::kFileBrowserIcons);
        setup.nameFilters = {NameFilter(messages.Message(msg::kIcon), QStringLiteral("*.ico"))};
        setup.defaultExtension = QStringLiteral("Ico");
        break;
    case FileDialogKind::Jpeg:
        setup.caption = messages.Message(msg::kFileBrowserJpeg);
        setup.nameFilters = {NameFilter(QStringLiteral("Jpeg"), QStringLiteral("*.jpg"))};
        if (setup.open)
            setup.nameFilters.append(allFiles);
        else // the export writes what the extension says, vector formats too
            setup.nameFilters += {NameFilter(QStringLiteral("PNG"), QStringLiteral("*.png")),
                                  NameFilter(QStringLiteral("WebP"), QStringLiteral("*.webp")),
                                  NameFilter(QStringLiteral("SVG"), QStringLiteral("*.svg")),
                                  NameFilter(QStringLiteral("PDF"), QStringLiteral("*.pdf"))};
        setup.defaultExtension = QStringLiteral("Jpeg");
        break;
    case FileDialogKind::Data:
        setup.caption = messages.Message(kDataGroup, kDataBrowserEntry);
        setup.nameFilters = {NameFilter(messages.Message(kDataGroup, kDataFilesEntry),
                                        QStringLiteral("*.csv;*.tsv;*.txt")),
                             allFiles};
        setup.defaultExtension = QStringLiteral("csv");
        break;
    case FileDialogKind::WorkFile:
        setup.nameFilters = {NameFilter(messages.Message(msg::kTable), QStringLiteral("*.qdvl"))};
        setup.defaultExtension = QStringLiteral("qdvl");
        break;
    }
    return setup;
}

QString CompleteFileName(const QString& path, const QString& defaultExtension) {
    if (path.isEmpty() || defaultExtension.isEmpty()) return path;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(u'.')) return path;
    return path + u'.' + defaultExtension;
}

void PrepareFileDialog(QFileDialog& dialog, const FileDialogSetup& setup,
                       const QString& startPath) {
    dialog.setNameFilters(setup.nameFilters);
    dialog.setDefaultSuffix(setup.defaultExtension);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, setup](const QString& filter) {
                         const qsizetype dot = filter.indexOf(QStringLiteral("(*."));
                         dialog.setDefaultSuffix(filter == setup.nameFilters.value(0) || dot == -1
                                                     ? setup.defaultExtension
                                                     : filter.mid(dot + 3).chopped(1));
                     });
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (setup.open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    const QFileInfo start(startPath.trimmed());
    if (start.isDir()) {
        dialog.setDirectory(start.filePath());
    } else if (!startPath.trimmed().isEmpty()) {
        dialog.setDirectory(start.path());
        dialog.selectFile(start.fileName());
    }
}
