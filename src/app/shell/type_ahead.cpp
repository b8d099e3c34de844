// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/type_ahead.h"

#include "app/editor/typed_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

TypeAhead::TypeAhead() {
    QCoreApplication::instance()->installEventFilter(this);
}

TypeAhead::~TypeAhead() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void TypeAhead::SendTo(QWidget* dialog, std::function<void(const QString&)> type) {
    QCoreApplication::processEvents();
    dialog_ = dialog;
    type_ = std::move(type);
    type_(kept_);
    kept_.clear();
}

bool TypeAhead::InsideDialog(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return dialog_ && widget && (widget == dialog_ || dialog_->isAncestorOf(widget));
}

bool TypeAhead::eventFilter(QObject* watched, QEvent* event) {
    if (dialog_ && dialog_->isActiveWindow()) {
        QCoreApplication::instance()->removeEventFilter(this);
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (InsideDialog(watched) || !TypesText(key->text(), key->modifiers())) return false;
        if (type_)
            type_(key->text());
        else
            kept_ += key->text();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return !InsideDialog(watched) && watched->isWidgetType();
    default:
        return false;
    }
}
