// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

// Keys typed while a dialog is being built and shown reach the window under it, which the
// dialog blocks: they would be lost. From construction on, typed characters meant for other
// windows are kept (and clicks for them dropped); once SendTo names the dialog they go to it,
// until the dialog has the focus: from then on every window takes its own keys (a colour
// chooser opened from the dialog among them).
class TypeAhead : public QObject {
public:
    TypeAhead();
    ~TypeAhead() override;

    // Hands over what was kept, and from now on each character as it comes.
    void SendTo(QWidget* dialog, std::function<void(const QString&)> type);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InsideDialog(QObject* watched) const;

    QString kept_;
    QPointer<QWidget> dialog_;
    std::function<void(const QString&)> type_;
};
