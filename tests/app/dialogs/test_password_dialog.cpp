// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/password_dialog.h"
#include "app/messages/message_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PasswordDialogTest : public testing::Test {
protected:
    PasswordDialogTest() : dialog(nullptr, MessageTable(kEnglish)) {
        dialog.open();
        first = dialog.findChild<QLineEdit*>(ControlName(PasswordDialog::kFirstBox));
        second = dialog.findChild<QLineEdit*>(ControlName(PasswordDialog::kSecondBox));
    }

    void Type(const QString& text) {
        QTest::keyClicks(first, text);
        QTest::keyClicks(second, text);
    }
    void Click(int id) {
        auto* button = dialog.findChild<QToolButton*>(ControlName(id));
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    PasswordDialog dialog;
    QLineEdit* first;
    QLineEdit* second;
};

TEST_F(PasswordDialogTest, ThirtyCharactersAreAcceptedThirtyOneAreNot) {
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->echoMode(), QLineEdit::Password);
    EXPECT_EQ(second->echoMode(), QLineEdit::Password);

    Type(QString(31, u'k'));
    Click(PasswordDialog::kAcceptButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.password(), QString());

    Click(PasswordDialog::kNewButton); // New empties both boxes
    EXPECT_EQ(first->text(), QString());
    EXPECT_EQ(second->text(), QString());

    Type(QString(30, u'k'));
    Click(PasswordDialog::kAcceptButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.password(), QString(30, u'k'));
}

TEST_F(PasswordDialogTest, EmptyBoxesKeepTheDialogOpenAndExitGivesNoPassword) {
    Click(PasswordDialog::kAcceptButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(first, Qt::Key_Return); // the keyboard form of Accept
    EXPECT_TRUE(dialog.isVisible());

    Click(PasswordDialog::kExitButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.password(), QString());
}

TEST_F(PasswordDialogTest, DifferentTextsAreRefusedAndReturnAccepts) {
    QTest::keyClicks(first, QStringLiteral("secret"));
    QTest::keyClicks(second, QStringLiteral("secreT"));
    Click(PasswordDialog::kAcceptButton);
    EXPECT_TRUE(dialog.isVisible());

    second->clear();
    QTest::keyClicks(second, QStringLiteral("secret"));
    QTest::keyClick(second, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.password(), QStringLiteral("secret"));
}

TEST_F(PasswordDialogTest, EscapeLeavesLikeExit) {
    Type(QStringLiteral("abc"));
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.password(), QString());
}

TEST_F(PasswordDialogTest, WindowAndToolbarFollowTheLayout) {
    EXPECT_EQ(dialog.size(), QSize(201, 122));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Access with your password ..."));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(first->geometry(), QRect(5, 56, 190, 20));
    EXPECT_EQ(second->geometry(), QRect(5, 96, 190, 20));
    // Each box is named by a label above it.
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("Password"));
    EXPECT_EQ(labels[0]->buddy(), first);
    EXPECT_EQ(labels[1]->text(), QStringLiteral("Type the password again"));
    EXPECT_EQ(labels[1]->buddy(), second);
    const int ids[] = {PasswordDialog::kNewButton, PasswordDialog::kCopyButton,
                       PasswordDialog::kPasteButton, PasswordDialog::kAcceptButton,
                       PasswordDialog::kExitButton};
    const QString texts[] = {QStringLiteral("New"), QStringLiteral("Copy"), QStringLiteral("Paste"),
                             QStringLiteral("Accept"), QStringLiteral("Exit")};
    for (int i = 0; i < 5; ++i) {
        auto* button = dialog.findChild<QToolButton*>(ControlName(ids[i]));
        ASSERT_NE(button, nullptr) << ids[i];
        EXPECT_EQ(button->text(), texts[i]);
        EXPECT_FALSE(button->icon().isNull()) << ids[i];
        // Every command is on the bar itself, none in an overflow menu.
        EXPECT_TRUE(button->isVisible()) << ids[i];
        EXPECT_LE(button->mapTo(&dialog, button->rect().bottomRight()).x(), 200) << ids[i];
    }
}

TEST(PasswordRule, NeedsEqualNonEmptyTextsOfAtMostThirtyCharacters) {
    EXPECT_TRUE(IsAcceptablePassword(QStringLiteral("a"), QStringLiteral("a")));
    EXPECT_FALSE(IsAcceptablePassword(QString(), QString()));
    EXPECT_FALSE(IsAcceptablePassword(QStringLiteral("a"), QStringLiteral("A")));
    EXPECT_FALSE(IsAcceptablePassword(QStringLiteral("a"), QStringLiteral("a ")));
    EXPECT_TRUE(IsAcceptablePassword(QString(30, u'x'), QString(30, u'x')));
    EXPECT_FALSE(IsAcceptablePassword(QString(31, u'x'), QString(31, u'x')));
}

} // namespace
