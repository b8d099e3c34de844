// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/find_replace.h"

enum class CommandId : int;

#include <QWidget>
#include <functional>

class MessageTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find bar under the table: the text to find with its two options, the buttons to step
// through the matches and, on request, the replacement row. It stays open while the table is
// edited; Escape or Close hides it.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent);
    // Texts in the given language; the bar keeps what was typed.
    void SetTexts(const MessageTable& messages);
    // With the replacement row or without; the find box takes the keyboard, its text selected.
    void Open(bool replace);

    FindQuery query() const;
    QString replacement() const;

    // The search or the replacement changed (every key typed, every option ticked).
    std::function<void()> onChange;
    // A command of the bar: find next or previous, replace here or everywhere.
    std::function<void(CommandId command)> onCommand;
    std::function<void()> onClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* findLabel_;
    QLineEdit* findBox_;
    QPushButton* previous_;
    QPushButton* next_;
    QCheckBox* matchCase_;
    QCheckBox* wholeCell_;
    QPushButton* close_;
    QLabel* replaceLabel_;
    QLineEdit* replaceBox_;
    QPushButton* replaceOne_;
    QPushButton* replaceAll_;
    QLabel* storedNote_;
};
