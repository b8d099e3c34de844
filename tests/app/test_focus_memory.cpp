#include "app/focus_memory.h"
#include "widget_application.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

void Send(QWidget* window, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(window, &event);
}

TEST(FocusMemory, GivesTheFocusBackToTheControlThatHadIt) {
    WidgetApplication();
    QDialog dialog;
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    RememberFocus(&dialog);
    dialog.show();

    second->setFocus();
    ASSERT_EQ(dialog.focusWidget(), second);
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus(); // what the window would give the focus to on its own
    ASSERT_EQ(dialog.focusWidget(), first);
    Send(&dialog, QEvent::WindowActivate);
    EXPECT_EQ(dialog.focusWidget(), second);
}

TEST(FocusMemory, ForgetsAControlThatIsGoneOrDisabled) {
    WidgetApplication();
    QDialog dialog;
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    RememberFocus(&dialog);
    dialog.show();

    second->setFocus();
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus();
    second->setEnabled(false);
    Send(&dialog, QEvent::WindowActivate);
    EXPECT_EQ(dialog.focusWidget(), first);

    second->setEnabled(true);
    second->setFocus();
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus();
    delete second;
    Send(&dialog, QEvent::WindowActivate); // must not touch the deleted control
    EXPECT_EQ(dialog.focusWidget(), first);
}

} // namespace
