// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/association_prompt.h"

#include "app/dialogs/dialog_fit.h"
#include "app/dialogs/fitting_scroll_area.h"
#include "app/shell/qt_ui.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 480;

} // namespace

AssociationPrompt::AssociationPrompt(QWidget* parent, const QString& text) : QDialog(parent) {
    // The question is in all seven languages, so its title belongs to none.
    setWindowTitle(QStringLiteral("..."));
    auto* label = new QLabel(MessageBoxText(text));
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMargin(style()->pixelMetric(QStyle::PM_LayoutLeftMargin));

    area_ = new FittingScrollArea;
    area_->setWidget(label);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_);
    layout->addWidget(buttons_);
    label->adjustSize();
    FitInto(AvailableScreenArea(parent));
}

void AssociationPrompt::FitInto(const QRect& available) {
    // The whole text when there is room, with room for a scroll bar beside it.
    const QMargins margins = layout()->contentsMargins();
    const QWidget* text = area_->widget();
    const int frame = 2 * area_->frameWidth();
    const QSize whole(margins.left() + text->width() +
                          area_->verticalScrollBar()->sizeHint().width() + frame + margins.right(),
                      margins.top() + text->height() + frame + layout()->spacing() +
                          buttons_->sizeHint().height() + margins.bottom());
    resize(whole.boundedTo(ClientRoom(this, available)));
}
