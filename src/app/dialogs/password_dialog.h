// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class MessageTable;
class QLineEdit;

// The password of a protected work file, typed twice. Accept takes it only when both boxes
// agree, the first is not empty and the second holds at most 30 characters; Exit gives up.
class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids: the toolbar, its five buttons, the two password boxes.
    static constexpr int kToolbarControl = 11001;
    static constexpr int kNewButton = 2201;
    static constexpr int kCopyButton = 2202;
    static constexpr int kPasteButton = 2203;
    static constexpr int kAcceptButton = 2204;
    static constexpr int kExitButton = 2205;
    static constexpr int kFirstBox = 11005;
    static constexpr int kSecondBox = 11006;

    PasswordDialog(QWidget* parent, const MessageTable& messages);

    // The confirmed password; empty when the user left without a valid entry.
    QString password() const { return password_; }

    void New();
    void Copy();
    void Paste();
    void Accept();
    void Exit();

protected:
    // Escape and the close button leave the way Exit does.
    void reject() override;

private:
    QLineEdit* first_;
    QLineEdit* second_;
    QString password_;
};

// The accept rule of the password dialog.
bool IsAcceptablePassword(const QString& first, const QString& second);
