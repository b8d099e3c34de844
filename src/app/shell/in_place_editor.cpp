// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/in_place_editor.h"

#include "app/editor/editor_shell.h"
#include "app/editor/typed_key.h"
#include "model/cell_record.h"

#include <QFocusEvent>
#include <QKeyEvent>

InPlaceEditor::InPlaceEditor(QWidget* view) : QLineEdit(view) {
    setObjectName(QStringLiteral("inPlaceEditor"));
    setFrame(false);
    setMaxLength(kTextMaxUnits);
    hide();
}

void InPlaceEditor::Open(const InPlaceLook& look, const QString& text) {
    setFont(look.font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, look.background);
    colours.setColor(QPalette::Text, look.text);
    setPalette(colours);
    setAlignment(look.alignment | Qt::AlignVCenter);
    setText(text);
    end(false);
    Place(look.place);
    open_ = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

// Inside the cell's grid lines, so the cursor's frame stays in sight around it.
void InPlaceEditor::Place(const QRect& cell) {
    setGeometry(cell.adjusted(1, 1, -1, -1));
}

void InPlaceEditor::Close(QWidget* focusTo) {
    open_ = false;
    focusTo->setFocus(Qt::OtherFocusReason);
    hide();
}

bool InPlaceEditor::EndingKey(const QKeyEvent& key) {
    if (!open_) return false;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (IsEnterKey(key.key(), key.text())) {
        onCommit(0, shift ? -1 : 1);
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Tab:
        onCommit(shift ? -1 : 1, 0);
        return true;
    case Qt::Key_Backtab:
        onCommit(-1, 0);
        return true;
    case Qt::Key_Escape:
        onCancel();
        return true;
    default:
        return false;
    }
}

bool InPlaceEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && EndingKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QLineEdit::event(event);
}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    // Keys the box does not use (Up, Page Down, F2 ...) stop here: the table view beneath
    // would move the cursor away from the text being typed.
    event->accept();
}

void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A click elsewhere commits; another window or a menu opening leaves the text as it is.
    if (open_ && event->reason() == Qt::MouseFocusReason) onCommit(0, 0);
}
