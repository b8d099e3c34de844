// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_test_fixture.h"
#include "app/shell/type_ahead.h"

#include <QKeyEvent>
#include <QLineEdit>

// Keys typed for the window beneath while a dialog opens go to the dialog's text.
TEST(TypeAhead, CharactersForOtherWindowsGoToTheDialog) {
    QLineEdit beneath;
    QLineEdit dialog;
    auto post = [](QWidget& to, int key, const QString& text, Qt::KeyboardModifiers mods = {}) {
        QCoreApplication::postEvent(&to, new QKeyEvent(QEvent::KeyPress, key, mods, text));
    };
    QString typed;
    {
        TypeAhead typeAhead;
        post(beneath, Qt::Key_A, QStringLiteral("a"));
        post(beneath, Qt::Key_B, QStringLiteral("B"), Qt::ShiftModifier);
        post(beneath, Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier);
        typeAhead.SendTo(&dialog, [&](const QString& text) { typed += text; });
        EXPECT_EQ(typed, QStringLiteral("aB"));
        post(beneath, Qt::Key_Space, QStringLiteral(" "));
        post(dialog, Qt::Key_D, QStringLiteral("d"));
        QCoreApplication::processEvents();
        EXPECT_EQ(typed, QStringLiteral("aB "));
        EXPECT_EQ(dialog.text(), QStringLiteral("d"));
    }
    EXPECT_EQ(beneath.text(), QString());
    post(beneath, Qt::Key_E, QStringLiteral("e"));
    QCoreApplication::processEvents();
    EXPECT_EQ(beneath.text(), QStringLiteral("e"));
}

// Once the dialog has the focus, a window it opens (a colour chooser) takes its own keys.
TEST(TypeAhead, AnActiveDialogLeavesOtherWindowsTheirKeys) {
    QLineEdit other;
    QLineEdit dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    TypeAhead typeAhead;
    QString typed;
    typeAhead.SendTo(&dialog, [&](const QString& text) { typed += text; });
    QCoreApplication::postEvent(
        &other, new QKeyEvent(QEvent::KeyPress, Qt::Key_E, {}, QStringLiteral("e")));
    QCoreApplication::processEvents();
    EXPECT_EQ(other.text(), QStringLiteral("e"));
    EXPECT_EQ(typed, QString());
}
