// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/export_cut.h"

#include <QFileDialog>

class MessageTable;
struct FileDialogSetup;
class QCheckBox;
class QComboBox;

// The picture export's file dialog with the look beneath the name: the scale (1x to 4x) and a
// transparent background, greyed out while the chosen name's format cannot keep it. One
// window instead of a file dialog followed by a second question.
class ExportFileDialog : public QFileDialog {
    Q_OBJECT

public:
    ExportFileDialog(QWidget* parent, const MessageTable& messages, const FileDialogSetup& setup,
                     const QString& startPath, ExportKind kind, const ExportLook& proposed);

    ExportLook look() const;

private:
    void FollowName(const QString& name);

    ExportKind kind_;
    QComboBox* scale_;
    QCheckBox* transparent_;
    bool wantsTransparent_;
};
