// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/table_builder.h"
#include "model/work_file.h"

#include <gtest/gtest.h>

namespace {

void Mark(Document& document, int value) {
    document.cell(0, 0).text = QString::number(value);
}

QString Marked(const Document& document) {
    return document.cell(0, 0).text;
}

} // namespace

TEST(UndoStore, TwentyNineStepsBackAndForwardAgain) {
    Document document = MakeTable(3, 3);
    for (int change = 1; change <= 35; ++change) {
        SnapshotForUndo(document); // the step before change n holds n - 1
        Mark(document, change);
    }
    EXPECT_EQ(document.undo.undoSteps.size(), 29u);
    for (int expected = 34; expected >= 6; --expected) {
        ASSERT_TRUE(UndoStep(document));
        EXPECT_EQ(Marked(document), QString::number(expected));
    }
    EXPECT_FALSE(UndoStep(document));
    EXPECT_EQ(Marked(document), QStringLiteral("6"));
    for (int expected = 7; expected <= 35; ++expected) {
        ASSERT_TRUE(RedoStep(document));
        EXPECT_EQ(Marked(document), QString::number(expected));
    }
    EXPECT_FALSE(RedoStep(document));

    // A new change after an undo forgets what Redo could have brought back.
    UndoStep(document);
    SnapshotForUndo(document);
    Mark(document, 100);
    EXPECT_FALSE(document.undo.CanRedo());
    UndoStep(document);
    EXPECT_EQ(Marked(document), QStringLiteral("34"));
}

TEST(UndoStore, StepBringsBackTheWholeTableButPasswordAndMarks) {
    Document document = MakeTable(3, 2);
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("pw");
    document.commands.at(1, 1) = QStringLiteral("f1f");
    const QByteArray before = WorkFileBytes(document);

    SnapshotForUndo(document);
    document.settings.columnCount = 4;
    document.settings.tableRetouched = 1;
    document.extentRight = 500;
    document.commands.at(1, 1).clear();
    document.cell(2, 1).bold = 1;
    document.cell(0, 0).selected = 1;
    document.settings.password = QStringLiteral("new");
    document.cell(1, 0).password = QStringLiteral("new");

    ASSERT_TRUE(UndoStep(document));
    EXPECT_EQ(document.settings.columnCount, 3);
    EXPECT_EQ(document.settings.tableRetouched, 0);
    EXPECT_EQ(document.extentRight, MakeTable(3, 2).extentRight);
    EXPECT_EQ(document.commands.at(1, 1), QStringLiteral("f1f"));
    EXPECT_EQ(document.cell(2, 1).bold, 0);
    EXPECT_EQ(document.cell(0, 0).selected, 0);
    EXPECT_EQ(document.settings.password, QStringLiteral("new"));
    EXPECT_EQ(document.cell(1, 0).password, QStringLiteral("new"));
    document.settings.password = QStringLiteral("pw");
    document.cell(1, 0).password.clear();
    EXPECT_EQ(WorkFileBytes(document), before);
}

TEST(UndoStore, UnchangedCellsShareRecordsBetweenSteps) {
    Document document = MakeTable(2, 2);
    SnapshotForUndo(document);
    Mark(document, 1);
    SnapshotForUndo(document);
    const auto& steps = document.undo.undoSteps;
    EXPECT_EQ(steps[0].cells[3].get(), steps[1].cells[3].get());
    EXPECT_NE(steps[0].cells[0].get(), steps[1].cells[0].get());
}

TEST(UndoStore, ModifiedFollowsTheVersionTheFileHolds) {
    Document document = MakeTable(2, 2);
    EXPECT_FALSE(document.undo.Modified());
    SnapshotForUndo(document);
    Mark(document, 1);
    EXPECT_TRUE(document.undo.Modified());
    UndoStep(document);
    EXPECT_FALSE(document.undo.Modified());
    RedoStep(document);
    MarkSaved(document);
    EXPECT_FALSE(document.undo.Modified());
    UndoStep(document);
    EXPECT_TRUE(document.undo.Modified());

    // A step that changed nothing is dropped and leaves the version and Redo as they were.
    SnapshotForUndo(document);
    document.cell(1, 1).selected = 1; // marks are not part of the table
    DropSnapshotIfUnchanged(document);
    EXPECT_EQ(document.undo.undoSteps.size(), 0u);
    EXPECT_TRUE(document.undo.CanRedo());
    EXPECT_TRUE(document.undo.Modified());
    RedoStep(document);
    EXPECT_FALSE(document.undo.Modified());
    MarkUnsavedChange(document);
    EXPECT_TRUE(document.undo.Modified());
}
