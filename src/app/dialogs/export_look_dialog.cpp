#include "app/dialogs/export_look_dialog.h"

#include "app/messages/message_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

ExportLookDialog::ExportLookDialog(QWidget* parent, const MessageTable& messages,
                                   const ExportLook& current, bool transparencyPossible)
    : QDialog(parent), scale_(new QComboBox(this)),
      transparent_(new QCheckBox(messages.Message(76, 4), this)) {
    setWindowTitle(messages.Message(76, 1));
    for (int scale = 1; scale <= kMaxExportScale; ++scale)
        scale_->addItem(QString::number(scale) + u'\u00D7', scale);
    scale_->setCurrentIndex(std::clamp(current.scale, 1, kMaxExportScale) - 1);
    transparent_->setChecked(current.transparent && transparencyPossible);
    transparent_->setEnabled(transparencyPossible);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(messages.Message(52, 3), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(messages.Message(52, 4), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(messages.Message(76, 3), scale_);
    layout->addRow(transparent_);
    layout->addRow(buttons);
}

ExportLook ExportLookDialog::look() const {
    return {scale_->currentData().toInt(), transparent_->isEnabled() && transparent_->isChecked()};
}
