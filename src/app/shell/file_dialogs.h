#pragma once

#include "app/dialogs/ui.h"

#include <QString>
#include <QStringList>

class MessageTable;

// What one of the program's file dialogs looks like.
struct FileDialogSetup {
    QString caption;
    QStringList nameFilters; // "Bitmap (*.bmp)", ...
    QString defaultExtension;
    bool open = true; // open dialogs accept only existing files
};

FileDialogSetup DescribeFileDialog(FileDialogKind kind, FileDialogMode mode,
                                   const MessageTable& messages);

// A chosen name whose file-name part has no extension gets the default one ("table" ->
// "table.qdvl"); other names are kept.
QString CompleteFileName(const QString& path, const QString& defaultExtension);
