#include "app/dialogs/about_box.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_resources.h"
#include "app/dialogs/focus_memory.h"
#include "app/messages/message_table.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

AboutBox::AboutBox(QWidget* parent, const MessageTable& messages) : QDialog(parent) {
    setWindowTitle(messages.Message(71, 9));
    setFixedSize(201, 121);

    icon_ = AddControl<QLabel>(this, 1018, QRect(5, 5, 30, 30));
    icon_->setScaledContents(true);
    ShowFrame(kFirstFrame);

    auto* thanks = AddControl<QLabel>(this, 1019, QRect(40, 10, 155, 25), messages.Message(21, 1));
    thanks->setFont(DialogFont(10));
    thanks->setWordWrap(true);
    thanks->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* getOut =
        AddControl<QPushButton>(this, 1017, QRect(5, 100, 90, 15), messages.Message(45, 1));
    getOut->setFont(DialogFont(14));
    getOut->setDefault(true);
    connect(getOut, &QPushButton::clicked, this, &QDialog::accept);

    // A child of the box: it stops when the box is destroyed.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("1521"));
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
