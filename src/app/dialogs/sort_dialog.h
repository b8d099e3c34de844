// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/ui.h"

#include <QDialog>

class MessageTable;
class QCheckBox;
class QComboBox;

// Sort…: the column the rows are ordered by and its direction, an optional second column,
// and (for the whole table) whether the first row is a header that stays in place.
class SortDialog : public QDialog {
    Q_OBJECT

public:
    SortDialog(QWidget* parent, const MessageTable& messages, const SortOffer& offer,
               const SortChoice& proposed);

    // The choice the controls show.
    SortChoice choice() const;

private:
    QComboBox* firstColumn_;
    QComboBox* firstDirection_;
    QComboBox* secondColumn_; // "(none)" first, then the columns
    QComboBox* secondDirection_;
    QCheckBox* header_;
};
