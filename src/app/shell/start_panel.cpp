// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/start_panel.h"

#include "app/messages/message_table.h"
#include "app/shell/table_size_picker.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// A menu entry's text without its accelerator marks and dots.
QString PlainEntry(QString text) {
    text.remove(QLatin1Char('&'));
    text.remove(QChar(0x2026));
    return text.trimmed();
}

} // namespace

StartPanel::StartPanel(QWidget* parent, int language)
    : QFrame(parent), heading_(new QLabel(this)), picker_(new TableSizePicker(this)),
      counts_(new QLabel(this)), keys_(new QLabel(this)) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(picker_, 0, Qt::AlignHCenter);
    layout->addWidget(counts_);
    layout->addWidget(keys_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    counts_->setAlignment(Qt::AlignHCenter);
    picker_->onPointed = [this](QSize counts) { ShowCounts(counts); };
    picker_->onPicked = [this](int columns, int rows) {
        if (onPicked) onPicked(columns, rows);
    };
    SetLanguage(language);
    ShowCounts({});
}

void StartPanel::SetLanguage(int language) {
    const MessageTable messages(language);
    heading_->setText(messages.Message(kStartGroup, kPickSizeEntry));
    keys_->setText(PlainEntry(messages.Message(msg::kNew)) + QStringLiteral(": Ctrl+N    ") +
                   PlainEntry(messages.Message(msg::kReadFile)) + QStringLiteral(": Ctrl+O"));
}

// Columns by rows, as the New Table dialog asks for them; a blank line keeps the panel still.
void StartPanel::ShowCounts(QSize counts) {
    counts_->setText(counts.isEmpty()
                         ? QStringLiteral(" ")
                         : QStringLiteral("%1 × %2").arg(counts.width()).arg(counts.height()));
}
