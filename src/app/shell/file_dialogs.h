// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/ui.h"

#include <QString>
#include <QStringList>

class MessageTable;
class QFileDialog;

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

// Sets up `dialog` as `setup` describes, starting at `startPath`: a folder, or a previous
// choice whose folder and name are proposed. A name typed without extension takes the chosen
// format's, and the dialog never asks before overwriting (the commands do).
void PrepareFileDialog(QFileDialog& dialog, const FileDialogSetup& setup, const QString& startPath);
