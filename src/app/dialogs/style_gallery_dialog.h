// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/ui.h"

#include <QDialog>
#include <optional>
#include <vector>

class MessageTable;
class QListWidget;
class QPushButton;

// The table-style gallery: a preview of the table in every style, Apply and, for the user's
// own styles, Delete.
class StyleGalleryDialog : public QDialog {
    Q_OBJECT

public:
    StyleGalleryDialog(QWidget* parent, const MessageTable& messages,
                       const std::vector<GalleryStyle>& styles, int current);

    // What was chosen once the dialog was accepted.
    GalleryChoice choice() const;
    // Sizes the dialog for a screen whose windows may take `available`.
    void FitInto(const QRect& available);

private:
    void Choose(GalleryAction action);
    void UpdateButtons();

    const std::vector<GalleryStyle>& styles_;
    QListWidget* list_;
    QPushButton* delete_;
    GalleryAction action_ = GalleryAction::Apply;
};
