// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_editing_dialog.h"
#include "app/dialogs/dialog_controls.h"
#include "app/editor_test_fixture.h"
#include "app/shell/in_place_editor.h"
#include "render/cell_font.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWindow>

class InPlaceTest : public EditorTest {
protected:
    InPlaceEditor* box() const { return window->inPlaceEditor(); }
    QWidget* view() const { return window->tableView(); }
    bool At(int column, int row) const {
        return state.cursor.column == column && state.cursor.row == row;
    }
    // Types on the view: the first character opens the box, the rest goes into it.
    void Type(const QString& text) {
        QTest::keyClick(view(), text.front().toLatin1());
        QTest::keyClicks(box(), text.mid(1));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box(), key, modifiers);
    }
};

// Keys queued faster than any window could open are delivered where the focus is when each is
// handled, as the platform delivers them: the first opens the box, all others land in it.
TEST_F(InPlaceTest, ABurstOfTypedCharactersAllArrive) {
    NewTable(3, 3);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    state.cursor = {1, 1, 1, 1};
    const QString alphabet = QStringLiteral("Item 1.20,abcdefghijklmnopqrstuvwxyz0123456789-");
    QString typed;
    for (int i = 0; i < 200; ++i)
        typed += alphabet[i % alphabet.size()];
    const auto post = [&](int key, const QString& text) {
        QCoreApplication::postEvent(window->windowHandle(),
                                    new QKeyEvent(QEvent::KeyPress, key, {}, text));
    };
    for (const QChar c : typed)
        post(c.toUpper().unicode(), QString(c));
    // The line feed that `xdotool type` sends for a new line is Enter too.
    post(Qt::Key_unknown, QStringLiteral("\n"));
    QCoreApplication::processEvents();
    EXPECT_EQ(document().cell(1, 1).text, typed);
    EXPECT_TRUE(At(1, 2));
    EXPECT_TRUE(box()->isHidden());
}

TEST_F(InPlaceTest, EnterTabEscapeAndAClickCommitOrCancelAndMove) {
    NewTable(4, 4);
    Type(QStringLiteral("ab"));
    EXPECT_FALSE(box()->isHidden());
    Key(Qt::Key_Tab);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("ab"));
    EXPECT_TRUE(At(1, 0));
    EXPECT_TRUE(MarkedCells(document()).empty()); // a move, not a selection
    Type(QStringLiteral("c"));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("c"));
    EXPECT_TRUE(At(0, 0));
    Type(QStringLiteral("d"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(At(0, 1));
    Type(QStringLiteral("e"));
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(document().cell(0, 1).text, QStringLiteral("e"));
    EXPECT_TRUE(At(0, 0));
    Type(QStringLiteral("x"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(box()->isHidden());
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("d"));
    Type(QStringLiteral("f"));
    // A menu or another window taking the focus leaves the text being typed as it is.
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(box(), &toMenu);
    EXPECT_FALSE(box()->isHidden());
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("d"));
    Click(2, 2);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("f"));
    EXPECT_TRUE(At(2, 2));
    // Row by row: Enter after Tabs goes to the next row where the Tabs began.
    state.cursor = {1, 2, 1, 2};
    for (const char* value : {"1", "2"}) {
        Type(QString::fromLatin1(value));
        Key(Qt::Key_Tab);
    }
    Type(QStringLiteral("3"));
    Key(Qt::Key_Enter);
    EXPECT_EQ(document().cell(3, 2).text, QStringLiteral("3"));
    EXPECT_TRUE(At(1, 3));
    // Arrows, Home and End stay in the text.
    Type(QStringLiteral("yz"));
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    QTest::keyClick(box(), 'X');
    Key(Qt::Key_End);
    QTest::keyClick(box(), 'W');
    Key(Qt::Key_Tab);
    EXPECT_EQ(document().cell(1, 3).text, QStringLiteral("yXzW"));
    // Control and a letter is a command, not typing; typing never opened the dialog.
    QTest::keyClick(view(), 'k', Qt::ControlModifier);
    EXPECT_TRUE(box()->isHidden());
    EXPECT_TRUE(ui.cellEditOpenings.empty());
}

// The box lies over the cell in the cell's look, and stays over it when the view scrolls.
TEST_F(InPlaceTest, TheBoxTakesTheCellsPlaceAndLook) {
    NewTable(4, 60);
    CellRecord& cell = document().cell(1, 1);
    cell.fontSize = 20;
    cell.bold = 1;
    cell.textColour = 0x0000FF;
    cell.backColour = 0x00FF00;
    cell.alignment = Alignment::Right;
    state.cursor = {1, 1, 1, 1};
    Type(QStringLiteral("7"));
    EXPECT_EQ(box()->geometry(), QRect(QPoint(45, 25), QPoint(83, 43)));
    EXPECT_EQ(box()->font().pixelSize(), PointsToPixels(20));
    EXPECT_TRUE(box()->font().bold());
    EXPECT_EQ(box()->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(box()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(box()->alignment() & Qt::AlignRight);
    editor().Wheel(-120);
    EXPECT_EQ(box()->geometry(), QRect(QPoint(45, 10), QPoint(83, 28)));
    EXPECT_EQ(box()->text(), QStringLiteral("7"));
}

TEST_F(InPlaceTest, F2AndDoubleClickEditTheTextOfTheCellOrItsBlock) {
    QTest::keyClick(view(), 'a'); // no table yet
    EXPECT_TRUE(box()->isHidden());
    NewTable(4, 3);
    document().cell(1, 0).text = QStringLiteral(" old ");
    document().cell(3, 0).joinState = kJoinedLeft;
    document().cell(2, 0).right = document().cell(3, 0).right;
    document().cell(2, 0).text = QStringLiteral("block");
    document().cell(1, 1).cellState = kCellCancelled;
    document().cell(2, 1).cellState = kCellStopped;
    state.cursor = {1, 0, 1, 0};
    QTest::keyClick(view(), Qt::Key_F2);
    EXPECT_EQ(box()->text(), QStringLiteral("old"));
    EXPECT_EQ(box()->cursorPosition(), 3);
    QTest::keyClicks(box(), QStringLiteral("er"));
    Key(Qt::Key_Return);
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("older"));
    // A double-click on the absorbed cell edits the block's owner.
    QTest::mouseDClick(view(), Qt::LeftButton, {}, QPoint(3 * 40 + 20, 10));
    EXPECT_EQ(box()->text(), QStringLiteral("block"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(document().cell(2, 0).text, QStringLiteral("bloc"));
    EXPECT_EQ(document().cell(3, 0).text, QString());
    // Cancelled and stopped cells open nothing, by F2, typing or a double-click.
    state.cursor = {1, 1, 1, 1};
    QTest::keyClick(view(), Qt::Key_F2);
    QTest::keyClick(view(), 'q');
    QTest::mouseDClick(view(), Qt::LeftButton, {}, QPoint(2 * 40 + 20, 30));
    EXPECT_TRUE(box()->isHidden());
    EXPECT_TRUE(ui.cellEditOpenings.empty());
}

TEST_F(InPlaceTest, EachCommitIsOneUndoStepAndMarksTheTableChanged) {
    NewTable(3, 3);
    const size_t steps = document().undo.undoSteps.size();
    Type(QStringLiteral("12"));
    Key(Qt::Key_Return);
    EXPECT_EQ(document().undo.undoSteps.size(), steps + 1);
    EXPECT_TRUE(window->isWindowModified());
    state.cursor = {0, 0, 0, 0};
    QTest::keyClick(view(), Qt::Key_F2);
    Key(Qt::Key_Return); // the same text: no step
    EXPECT_EQ(document().undo.undoSteps.size(), steps + 1);
    Run(CommandId::Undo);
    EXPECT_EQ(document().cell(0, 0).text, QString());
    EXPECT_FALSE(window->isWindowModified());
}

// Typed in place or accepted in the dialog, a text is stored the same way: the typed number
// normalised, the series command kept and filling its column.
TEST_F(InPlaceTest, InPlaceAndDialogStoreTheSameBytes) {
    const auto save = [&](const QString& name) {
        const QString path = folder.Path(name);
        ui.files.push_back(path);
        Run(CommandId::Save);
        return TempFolder::Read(path);
    };
    NewTable(3, 4);
    document().cell(0, 0).numericAllowed = 1;
    Type(QStringLiteral("1,5"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("c5c"));
    Key(Qt::Key_Return);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("1.5"));
    EXPECT_EQ(document().cell(0, 2).text, QStringLiteral("6"));
    const QByteArray typed = save(QStringLiteral("typed.qdvl"));

    NewTable(3, 4);
    document().cell(0, 0).numericAllowed = 1;
    QStringList texts{QStringLiteral("1,5"), QStringLiteral("c5c")};
    ui.cellEditing = [&](CellEditFields& fields, ProgramState& appState) {
        CellEditingDialog dialog(window.get(), ui, fields, appState);
        dialog.findChild<QPlainTextEdit*>(ControlName(CellEditingDialog::kTextControl))
            ->setPlainText(texts.takeFirst());
        dialog.Accept();
        return fields.accepted;
    };
    Run(CommandId::FormatCell);
    state.cursor = {0, 1, 0, 1};
    Run(CommandId::FormatCell);
    EXPECT_EQ(ui.cellEditOpenings.size(), 2u);
    EXPECT_EQ(save(QStringLiteral("dialog.qdvl")), typed);
}

TEST_F(InPlaceTest, SaveWritesTheOwnFileAtOnceAndAsksWithoutOne) {
    NewTable(3, 3);
    const QString path = folder.Path(QStringLiteral("list.qdvl"));
    ui.files.push_back(path);
    Run(CommandId::Save); // no file yet: asked for a name
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    Type(QStringLiteral("c5c"));
    Run(CommandId::Save); // the text being typed is saved too, without a question
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_FALSE(window->isWindowModified());
    Document saved;
    ASSERT_TRUE(LoadWorkFile(path, saved, {}).ok());
    EXPECT_EQ(saved.cell(0, 0).text, QStringLiteral("c5c"));

    // A file that is no work file is never written over without a name asked.
    const QString other = folder.Write(QStringLiteral("notes.txt"), QByteArray("notes"));
    document().workFilePath = other;
    Run(CommandId::Save);
    EXPECT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(TempFolder::Read(other), QByteArray("notes"));
}
