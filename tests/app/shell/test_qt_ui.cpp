// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/password_dialog.h"
#include "app/editor/editor_state.h"
#include "app/messages/message_table.h"
#include "app/shell/qt_ui.h"
#include "fixtures/temp_folder.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `answer` on the modal window once it is up, from inside its event loop.
void WhenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start();
}

class QtUiTest : public testing::Test {
protected:
    QtUiTest() { state.settings.currentLanguage = kEnglish; }

    EditorState state;
    QtUi ui{nullptr, state};
};

TEST_F(QtUiTest, MessagesAreTitledProgrammerWithPlainLineBreaks) {
    QString title;
    QString text;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ui.ShowMessage(QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(title, QStringLiteral("Programmer"));
    EXPECT_EQ(text, QStringLiteral("first\nsecond"));
}

TEST_F(QtUiTest, QuestionsAnswerYesAndNo) {
    state.settings.currentLanguage = kGerman;
    QString title;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(ui.AskYesNo(QStringLiteral("?")));
    EXPECT_EQ(title, QStringLiteral("Programmierer"));
    WhenModal([](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(ui.AskYesNo(QStringLiteral("?")));
}

TEST_F(QtUiTest, AWorkFileSavedUnderABareNameGetsTheExtension) {
    TempFolder folder;
    QStringList filters;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("plan"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const QString chosen = ui.ChooseFile(FileDialogKind::WorkFile, FileDialogMode::Save,
                                         folder.Path(QStringLiteral("old.qdvl")));
    EXPECT_EQ(chosen, folder.Path(QStringLiteral("plan.qdvl")));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Table (*.qdvl)")});
}

TEST_F(QtUiTest, ACancelledFileDialogGivesAnEmptyPath) {
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(ui.ChooseFile(FileDialogKind::Jpeg, FileDialogMode::Save, QString()), QString());
}

TEST_F(QtUiTest, OpenDialogsStartAtThePreviousChoiceAndNeedAnExistingFile) {
    TempFolder folder;
    const QString picture = folder.Write(QStringLiteral("photo.png"), QByteArray("x"));
    QString proposed;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        mode = dialog->fileMode();
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(ui.ChooseFile(FileDialogKind::Image, FileDialogMode::Open, picture), picture);
    EXPECT_EQ(proposed, picture);
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
}

TEST_F(QtUiTest, TheColourDialogWorksInTableColours) {
    QColor initial;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        initial = dialog->currentColor();
        dialog->setCurrentColor(QColor(255, 0, 0));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(ui.ChooseColour(0x804020), std::optional<int32_t>(0x0000FF));
    EXPECT_EQ(initial, QColor(0x20, 0x40, 0x80));

    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(ui.ChooseColour(0), std::nullopt);
}

TEST_F(QtUiTest, ThePasswordDialogGivesTheConfirmedPassword) {
    WhenModal([](QWidget* modal) {
        for (const int id : {PasswordDialog::kFirstBox, PasswordDialog::kSecondBox})
            modal->findChild<QLineEdit*>(ControlName(id))->setText(QStringLiteral("key"));
        modal->findChild<QToolButton*>(ControlName(PasswordDialog::kAcceptButton))->click();
    });
    EXPECT_EQ(ui.AskWorkFilePassword(), QStringLiteral("key"));
}

} // namespace
