// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/focus_memory.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace {

class FocusMemory : public QObject {
public:
    explicit FocusMemory(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::WindowDeactivate) {
                QWidget* focused = window_->focusWidget();
                if (focused) saved_ = focused;
            } else if (event->type() == QEvent::WindowActivate) {
                // The control may have been deleted or disabled while the window was away.
                if (saved_ && saved_->isEnabled() && saved_->isVisibleTo(window_))
                    saved_->setFocus(Qt::ActiveWindowFocusReason);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    QPointer<QWidget> saved_;
};

} // namespace

void RememberFocus(QWidget* window) {
    window->installEventFilter(new FocusMemory(window));
}
