// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/about_box.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_resources.h"
#include "app/dialogs/focus_memory.h"
#include "app/messages/message_table.h"
#include "quadrivel_version.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Wide enough for the longest language's thanks on two or three lines, never one word a line.
constexpr int kTextWidth = 280;
constexpr int kIconSide = 32;

QLabel* AddText(QBoxLayout* column, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(label);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent, const MessageTable& messages) : QDialog(parent) {
    setWindowTitle(messages.Message(msg::kAuthor));

    // Laid out rather than placed: the texts take the room their language and font need, so
    // nothing is cut on a small or scaled screen.
    auto* rows = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    rows->addLayout(top);

    icon_ = new QLabel;
    icon_->setObjectName(ControlName(kIconControl));
    icon_->setFixedSize(kIconSide, kIconSide);
    icon_->setScaledContents(true);
    top->addWidget(icon_, 0, Qt::AlignTop);
    ShowFrame(kFirstFrame);

    auto* texts = new QVBoxLayout;
    top->addLayout(texts, 1);
    AddText(texts, ControlName(kThanksControl), messages.Message(msg::kVelmoraThanksUsingProgram));
    AddText(texts, QStringLiteral("version"),
            messages.Message(kAboutGroup, kVersionEntry) + QStringLiteral(QUADRIVEL_VERSION));
    AddText(texts, QStringLiteral("licence"), messages.Message(kAboutGroup, kLicenceEntry));

    auto* getOut = new QPushButton(messages.Message(msg::kGetOut));
    getOut->setObjectName(ControlName(kGetOutControl));
    getOut->setDefault(true);
    connect(getOut, &QPushButton::clicked, this, &QDialog::accept);
    rows->addWidget(getOut, 0, Qt::AlignRight);
    // The box is as large as its content and no smaller; the wrapped texts set its height.
    rows->setSizeConstraint(QLayout::SetMinimumSize);

    // A child of the box: it stops when the box is destroyed.
    timer_ = new QTimer(this);
    timer_->setObjectName(ControlName(kAnimationTimer));
    timer_->setInterval(kFrameMilliseconds);
    connect(timer_, &QTimer::timeout, this, &AboutBox::Tick);
    timer_->start();
    RememberFocus(this);
}

void AboutBox::Tick() {
    ShowFrame(frame_);
    frame_ = frame_ == kLastFrame ? kFirstFrame : frame_ + 1;
}

void AboutBox::ShowFrame(int frame) {
    shownFrame_ = frame;
    icon_->setPixmap(DialogPicture(frame));
}
