// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/cell_edit_fields.h"

#include <QFrame>
#include <QString>

// The preview of the cell editing dialog: the sample word in the current look.
class CellTextPreview : public QFrame {
    Q_OBJECT

public:
    CellTextPreview(const QString& sample, int16_t characterSet, QWidget* parent);

    void setLook(const CellLook& look);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString sample_;
    int16_t characterSet_;
    CellLook look_;
};
