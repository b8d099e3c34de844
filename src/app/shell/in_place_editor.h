// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>

struct InPlaceLook;

// The box a cell's text is typed into, over the cell in the table view. One is made with the
// window and kept hidden, so it is ready before the first key: a typed character opens it in
// the same key handler, and every key after it goes into it.
class InPlaceEditor final : public QLineEdit {
public:
    explicit InPlaceEditor(QWidget* view);

    // Enter, Shift+Enter, Tab and Shift+Tab commit with the cursor's step; a click elsewhere
    // commits with none.
    std::function<void(int columnStep, int rowStep)> onCommit;
    // Escape.
    std::function<void()> onCancel;

    void Open(const InPlaceLook& look, const QString& text);
    void Place(const QRect& cell);
    // Hidden; `focusTo` takes the keyboard first, so no other control gets it on the way.
    void Close(QWidget* focusTo);
    bool IsOpen() const { return open_; }

protected:
    // Tab and Shift+Tab commit instead of moving the focus.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The key that commits or cancels: true when it was one.
    bool EndingKey(const QKeyEvent& key);

    bool open_ = false;
};
