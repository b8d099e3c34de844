#pragma once

#include "render/export_cut.h"

#include <QDialog>

class MessageTable;
class QCheckBox;
class QComboBox;

// The picture export's choices: the scale (1x to 4x) and a transparent background, which is
// greyed out for formats that cannot keep it.
class ExportLookDialog : public QDialog {
    Q_OBJECT

public:
    ExportLookDialog(QWidget* parent, const MessageTable& messages, const ExportLook& current,
                     bool transparencyPossible);

    ExportLook look() const;

private:
    QComboBox* scale_;
    QCheckBox* transparent_;
};
