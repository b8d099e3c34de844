#include "fixtures/table_builder.h"

#include <gtest/gtest.h>

namespace {

void Mark(Document& document, int value) {
    document.cell(0, 0).text = QString::number(value);
}

} // namespace

TEST(UndoStore, LevelsStopAtTwentyNine) {
    Document document = MakeTable(3, 3);
    for (int snapshot = 1; snapshot <= 35; ++snapshot) {
        Mark(document, snapshot); // the state saved by snapshot n is "n"
        SnapshotForUndo(document);
    }
    EXPECT_EQ(document.undo.undoLevel, 29);
    Mark(document, 100);

    RestoreFromUndo(document);
    EXPECT_EQ(document.undo.undoLevel, 28);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("29"));

    for (int expected = 28; expected >= 1; --expected) {
        RestoreFromUndo(document);
        EXPECT_EQ(document.cell(0, 0).text, QString::number(expected));
    }
    EXPECT_EQ(document.undo.undoLevel, 0);
    // At level 0 a restore copies level 0 again and the level stays.
    Mark(document, 200);
    RestoreFromUndo(document);
    EXPECT_EQ(document.undo.undoLevel, 0);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("1"));
}

TEST(UndoStore, NewSnapshotsAfterUndoAndSharedCells) {
    Document document = MakeTable(2, 2);
    Mark(document, 1);
    SnapshotForUndo(document);
    Mark(document, 2);
    SnapshotForUndo(document);
    RestoreFromUndo(document); // back to level 1, state "2"
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("2"));
    EXPECT_EQ(document.undo.undoLevel, 1);
    Mark(document, 3);
    SnapshotForUndo(document); // overwrites level 1
    EXPECT_EQ(document.undo.undoLevel, 2);
    RestoreFromUndo(document);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("3"));
    RestoreFromUndo(document);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("1"));

    // An unchanged cell shares its record with the previous snapshot.
    const auto& levels = document.undo.levels;
    EXPECT_EQ(levels[0][1 * 111 + 1].get(), levels[1][1 * 111 + 1].get());
    EXPECT_NE(levels[0][0].get(), levels[1][0].get());
}

TEST(UndoStore, RestoreKeepsPasswordAndCountsAndBusyGuard) {
    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 20;
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("pw");
    CreateTable(document, 2, 2, 2, 2, 0);
    SnapshotForUndo(document);
    document.cell(1, 1).password = QStringLiteral("changed");
    document.cell(1, 1).bold = 1;
    document.settings.rowCount = 3; // counts are table settings: not restored
    document.cell(0, 2).text = QStringLiteral("new row");
    RestoreFromUndo(document);
    EXPECT_EQ(document.cell(1, 1).bold, 0);
    EXPECT_EQ(document.cell(1, 1).password, QStringLiteral("changed"));
    EXPECT_EQ(document.settings.rowCount, 3);
    // The level never held row 2: the cell comes back as a zero record.
    EXPECT_EQ(document.cell(0, 2).text, QString());
    EXPECT_EQ(document.cell(0, 2).backColour, 0);

    document.undo.undoBusy = UndoStore::kRestoring;
    document.cell(0, 0).bold = 1;
    RestoreFromUndo(document);
    EXPECT_EQ(document.cell(0, 0).bold, 1);
}
