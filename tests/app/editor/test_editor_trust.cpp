// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_edit_fields.h"
#include "app/editor_test_fixture.h"

#include <QRandomGenerator>
#include <vector>

namespace {

class TrustTest : public EditorTest {
protected:
    QByteArray Bytes() { return WorkFileBytes(document()); }
};

} // namespace

TEST_F(TrustTest, UndoGivesBackCountsAndTableWideState) {
    NewTable(3, 3);
    const QByteArray before = Bytes();

    const QString title = window->windowTitle();
    Run(CommandId::InsertColumn);
    Run(CommandId::Undo);
    EXPECT_EQ(document().settings.columnCount, 3);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(Bytes(), before);
    Run(CommandId::Redo);
    EXPECT_EQ(document().settings.columnCount, 4);

    // A join marks the table retouched; undoing it lets Remove Last Column work again.
    Click(0, 1);
    Click(1, 1);
    Run(CommandId::MergeHorizontal);
    EXPECT_EQ(document().settings.tableRetouched, 1);
    Run(CommandId::Undo);
    EXPECT_EQ(document().settings.tableRetouched, 0);
    Run(CommandId::RemoveLastColumn);
    EXPECT_EQ(document().settings.columnCount, 3);
}

TEST_F(TrustTest, EveryDialogEditIsOneStep) {
    NewTable(3, 3);
    EditText(1, 1, QStringLiteral("typed"));
    EXPECT_TRUE(window->action(CommandId::Undo)->isEnabled());
    Click(2, 2);
    Run(CommandId::ClearCell);
    EditText(0, 0, QStringLiteral("second"));
    Run(CommandId::Undo);
    EXPECT_TRUE(document().cell(0, 0).text.isEmpty());
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("typed"));
    Run(CommandId::Undo); // the clear
    Run(CommandId::Undo);
    EXPECT_TRUE(document().cell(1, 1).text.isEmpty());
    EXPECT_FALSE(window->action(CommandId::Undo)->isEnabled());
    EXPECT_TRUE(window->action(CommandId::Redo)->isEnabled());
    EXPECT_EQ(window->action(CommandId::Redo)->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    Run(CommandId::Redo);
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("typed"));
}

TEST_F(TrustTest, UndoOfResetBringsBackCommandsWithoutMarks) {
    NewTable(3, 4);
    document().cell(1, 1).text = QStringLiteral("c5c");
    Run(CommandId::ToUpdate);
    ASSERT_EQ(document().commands.at(1, 1), QStringLiteral("c5c"));
    Run(CommandId::SelectAll);
    Run(CommandId::ResetTable);
    EXPECT_TRUE(document().commands.at(1, 1).isEmpty());
    Run(CommandId::Undo);
    EXPECT_EQ(document().commands.at(1, 1), QStringLiteral("c5c"));
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("6"));
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(document().cell(column, row).selected, 0);
    EXPECT_EQ(state.selection.selectionCount, 0);
    Run(CommandId::CopyCell);
    EXPECT_EQ(ui.messages.last(), Pair(60, 1, 62, 2));
}

TEST_F(TrustTest, UnsavedChangesAreAskedAbout) {
    NewTable(3, 3);
    EXPECT_FALSE(window->isWindowModified());
    Run(CommandId::New); // nothing changed: no question
    EXPECT_TRUE(ui.saveQuestions.isEmpty());

    EditText(1, 1, QStringLiteral("work"));
    EXPECT_TRUE(window->isWindowModified());
    ui.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Cancel};
    Run(CommandId::New);
    Run(CommandId::ReadFile);
    Run(CommandId::Exit);
    EXPECT_EQ(ui.saveQuestions.size(), 3);
    EXPECT_EQ(ui.saveQuestions.last(), Message(kTrustGroup, kSaveChangesEntry));
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("work"));
    EXPECT_TRUE(ui.fileRequests.empty());
    ui.saveChoices = {SaveChoice::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(ui.saveQuestions.size(), 4);

    // Save runs Record file; a cancelled file dialog means nothing happened.
    ui.saveChoices = {SaveChoice::Save};
    Run(CommandId::New);
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("work"));
    const QString path = folder.Path(QStringLiteral("work.qdvl"));
    ui.saveChoices = {SaveChoice::Save};
    ui.files = {path};
    Run(CommandId::New);
    Document saved;
    ASSERT_TRUE(LoadWorkFile(path, saved, {}).ok());
    EXPECT_EQ(saved.cell(1, 1).text, QStringLiteral("work"));
    EXPECT_TRUE(document().cell(1, 1).text.isEmpty());
    EXPECT_TRUE(document().workFilePath.isEmpty());
    EXPECT_FALSE(window->windowTitle().contains(QStringLiteral("work.qdvl")));

    // Back to the saved state by undo: unmodified again.
    ui.files = {path};
    Run(CommandId::ReadFile);
    EditText(0, 0, QStringLiteral("x"));
    Run(CommandId::Undo);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(TrustTest, PasswordSetOrRemovedInConfigurationIsAnUnsavedChange) {
    NewTable(3, 3);
    for (const bool accepted : {true, false}) {
        for (const int16_t set : {1, 0}) {
            ui.files = {folder.Path(QStringLiteral("saved.qdvl"))};
            ui.answers = {true}; // replace the file
            Run(CommandId::RecordFile);
            ASSERT_FALSE(window->isWindowModified());
            const int16_t separator = document().settings.separatorPixels;
            ui.configuration = [set, accepted](TableSettings& s, ProgramState&) {
                s.passwordSet = set;
                s.password = QStringLiteral("pw");
                if (accepted) s.separatorPixels = int16_t(s.separatorPixels + 1);
                return accepted;
            };
            Run(CommandId::Configuration);
            EXPECT_TRUE(document().undo.Modified()) << accepted << set;
            // Only an accepted dialog reaches the cells and the caption.
            EXPECT_EQ(document().cell(1, 1).separatorPixels, separator + (accepted ? 1 : 0));
            EXPECT_EQ(window->windowTitle(), editor().Title() + QStringLiteral("[*]"));
            ui.saveChoices = {SaveChoice::Cancel};
            Run(CommandId::Exit);
            EXPECT_EQ(ui.saveQuestions.size(), 1);
            ui.saveQuestions.clear();
        }
    }
}

TEST_F(TrustTest, IncompleteFileOpensWhole) {
    Document table;
    table.settings.gridCellWidth = 30;
    table.settings.gridCellHeight = 15;
    CreateTable(table, 14, 9, 2, 2, 0);
    table.cell(0, 0).text = QStringLiteral("first");
    const QString path =
        folder.Write(QStringLiteral("cut.qdvl"), WorkFileBytes(table).left(40 * 3331));
    editor().Initialise(path);
    EXPECT_EQ(ui.messages.last(), Message(kTrustGroup, kMissingCellsEntry) + QStringLiteral("86"));
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("first"));
    const CellRecord& made = document().cell(13, 8);
    EXPECT_EQ(made.left, table.cell(13, 8).left);
    EXPECT_EQ(made.bottom, table.cell(13, 8).bottom);
    EXPECT_EQ(made.backColour, kWhite);
    EXPECT_EQ(made.fontName, kDefaultFontName);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(TrustTest, RefusalsSayWhy) {
    const QString junk = folder.Write(QStringLiteral("junk.qdvl"), QByteArray(10, 'x'));
    editor().Initialise(junk);
    EXPECT_EQ(ui.messages.last(), Pair(42, 1, 41, 1));

    Document locked;
    locked.settings.gridCellWidth = 20;
    locked.settings.gridCellHeight = 20;
    locked.settings.passwordSet = 1;
    locked.settings.password = QStringLiteral("pw");
    CreateTable(locked, 2, 2, 2, 2, 0);
    const QString path = folder.Path(QStringLiteral("locked.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, locked).ok());
    const qsizetype shown = ui.messages.size();
    ui.files = {path, path};
    ui.passwords = {QString(), QStringLiteral("wrong")};
    Run(CommandId::ReadFile); // cancelled: nothing to say
    EXPECT_EQ(ui.messages.size(), shown);
    Run(CommandId::ReadFile);
    EXPECT_EQ(ui.messages.last(), Message(kTrustGroup, kWrongPasswordEntry));

    titleBar = 1;
    NewTable(3, 3);
    Click(1, 1);
    Click(2, 1);
    Run(CommandId::MergeHorizontal);
    EXPECT_EQ(ui.messages.last(), Message(kTrustGroup, kJoinNotAllowedEntry));
    EXPECT_FALSE(window->action(CommandId::Undo)->isEnabled());
}

// Names the first differing byte: the record and its offset.
void ExpectSameTable(const QByteArray& actual, const QByteArray& expected, int step) {
    ASSERT_EQ(actual.size(), expected.size()) << "step " << step;
    for (qsizetype i = 0; i < actual.size(); ++i)
        ASSERT_EQ(actual[i], expected[i])
            << "step " << step << " record " << i / 3331 << " offset " << i % 3331;
}

// Random edits, undos and redos: every undo gives back the table before its edit.
TEST_F(TrustTest, RandomEditsUndoExactly) {
    NewTable(4, 4);
    QRandomGenerator random(7);
    std::vector<QByteArray> before; // the saved bytes before each edit still undoable
    std::vector<QByteArray> undone;
    for (int step = 0; step < 120; ++step) {
        const int action = random.bounded(10);
        if (action < 2 && !before.empty()) {
            undone.push_back(Bytes());
            Run(CommandId::Undo);
            ExpectSameTable(Bytes(), before.back(), step);
            before.pop_back();
        } else if (action < 3 && !undone.empty()) {
            before.push_back(Bytes());
            Run(CommandId::Redo);
            ExpectSameTable(Bytes(), undone.back(), step);
            undone.pop_back();
        } else {
            const int column = random.bounded(document().settings.columnCount);
            const int row = random.bounded(document().settings.rowCount);
            const QByteArray was = Bytes();
            switch (random.bounded(4)) {
            case 0:
                EditText(column, row, QString::number(step));
                break;
            case 1:
                Run(CommandId::InsertColumn);
                break;
            case 2:
                Click(column, row);
                Run(CommandId::ClearCell);
                break;
            default:
                Run(CommandId::RemoveLastRow);
                break;
            }
            if (Bytes() == was) continue; // refused or no change: no step
            before.push_back(was);
            if (before.size() > 29) before.erase(before.begin());
            undone.clear();
        }
    }
}
