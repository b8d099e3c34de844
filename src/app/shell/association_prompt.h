// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QScrollArea;

// The start-up question whether to register the program for work files. Its text, in all
// seven languages, scrolls above the Yes and No buttons, which stay in sight on any screen.
class AssociationPrompt final : public QDialog {
public:
    AssociationPrompt(QWidget* parent, const QString& text);

    // Sizes the prompt for a screen whose windows may take `available`.
    void FitInto(const QRect& available);

private:
    QScrollArea* area_;
    QDialogButtonBox* buttons_;
};
