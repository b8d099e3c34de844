#include "app/editor_test_fixture.h"
#include "app/shell/type_ahead.h"

#include <QKeyEvent>
#include <QLineEdit>

// Keys typed for the window beneath while a dialog opens go to the dialog's text.
TEST(TypeAhead, CharactersForOtherWindowsGoToTheDialog) {
    Application();
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
