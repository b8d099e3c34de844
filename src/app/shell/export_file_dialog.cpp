// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/export_file_dialog.h"

#include "app/messages/message_table.h"
#include "app/shell/file_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

ExportFileDialog::ExportFileDialog(QWidget* parent, const MessageTable& messages,
                                   const FileDialogSetup& setup, const QString& startPath,
                                   ExportKind kind, const ExportLook& proposed)
    : QFileDialog(parent, setup.caption), kind_(kind), scale_(new QComboBox(this)),
      transparent_(new QCheckBox(messages.Message(msg::kTransparentBackground), this)),
      wantsTransparent_(proposed.transparent) {
    // Only Qt's own dialog can hold the look's controls.
    setOption(QFileDialog::DontUseNativeDialog);
    PrepareFileDialog(*this, setup, startPath);
    for (int scale = 1; scale <= kMaxExportScale; ++scale)
        scale_->addItem(QString::number(scale) + u'\u00D7', scale);
    scale_->setCurrentIndex(std::clamp(proposed.scale, 1, kMaxExportScale) - 1);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(messages.Message(msg::kScale), this), row, 0);
        auto* look = new QHBoxLayout;
        look->addWidget(scale_);
        look->addWidget(transparent_);
        look->addStretch();
        grid->addLayout(look, row, 1, 1, -1);
    }
    // A box greyed out for a JPEG keeps the choice for the next PNG.
    connect(transparent_, &QCheckBox::toggled, this, [this](bool checked) {
        if (transparent_->isEnabled()) wantsTransparent_ = checked;
    });
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, &ExportFileDialog::FollowName);
    connect(this, &QFileDialog::filterSelected, this, [this] { FollowName(QString()); });
    FollowName(QString());
}

void ExportFileDialog::FollowName(const QString& name) {
    const QString typed =
        name.isEmpty() && !selectedFiles().isEmpty() ? selectedFiles().constFirst() : name;
    // A name without its own extension is written with the chosen format's.
    const QString written =
        QFileInfo(typed).suffix().isEmpty() ? typed + u'.' + defaultSuffix() : typed;
    const bool possible = TransparencyPossible(kind_, written);
    transparent_->setEnabled(possible);
    transparent_->setChecked(possible && wantsTransparent_);
}

ExportLook ExportFileDialog::look() const {
    return {scale_->currentData().toInt(), transparent_->isEnabled() && transparent_->isChecked()};
}
