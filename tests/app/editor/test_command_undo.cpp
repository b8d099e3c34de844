// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that changes the table is one undoable step and marks the table changed.
// Left out, as they are no edit of the open table: New and the two Reads (they replace it and
// start its history afresh), Save, the exports and Copy picture, Copy cell, Select all, View
// commands, Save as style, the languages, character sets, copy flags, the ruler and the right
// mouse modes (preferences), Undo and Redo themselves, Exit, and To update (it recomputes what
// every redraw recomputes, so on a drawn table it finds nothing to change).
#include "app/editor_test_fixture.h"

#include <functional>

namespace {

class CommandUndoTest;
using Step = std::function<void(CommandUndoTest&)>;

struct TableCommand {
    const char* name;
    CommandId id;
    Step prepare = {}; // the selection and the answers to its prompts, before the command
    Step finish = {};  // after the command: the click of a mouse mode
};

void PrintTo(const TableCommand& command, std::ostream* out) {
    *out << command.name;
}

class CommandUndoTest : public EditorTest, public testing::WithParamInterface<TableCommand> {
public:
    using EditorTest::Click;
    using EditorTest::document;
    using EditorTest::editor;
    using EditorTest::folder;
    using EditorTest::state;
    using EditorTest::ui;
};

Step CursorAt(int column, int row) {
    return [=](CommandUndoTest& t) { t.state.cursor = {column, row, column, row}; };
}
Step ClickAt(int column, int row) {
    return [=](CommandUndoTest& t) { t.Click(column, row); };
}
// A small picture file, the answer to the next file dialog.
Step PictureFile(const QString& name) {
    return [=](CommandUndoTest& t) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        picture.save(t.folder.Path(name));
        t.ui.files = {t.folder.Path(name)};
    };
}

const TableCommand kCommands[] = {
    {"Configuration", CommandId::Configuration,
     [](CommandUndoTest& t) {
         t.ui.configuration = [](TableSettings& s, ProgramState&) {
             s.lineThickness = 3;
             return true;
         };
     }},
    {"PasteCell", CommandId::PasteCell,
     [](CommandUndoTest& t) {
         t.Click(1, 0);
         t.editor().Command(CommandId::CopyCell);
         t.Click(3, 3);
     }},
    {"ClearCell", CommandId::ClearCell, ClickAt(1, 0)},
    {"MergeHorizontal", CommandId::MergeHorizontal,
     [](CommandUndoTest& t) {
         t.Click(0, 3);
         t.Click(1, 3);
     }},
    {"MergeVertical", CommandId::MergeVertical,
     [](CommandUndoTest& t) {
         t.Click(3, 0);
         t.Click(3, 1);
     }},
    {"CancelCell", CommandId::CancelCell, ClickAt(2, 1)},
    {"Stop", CommandId::Stop, ClickAt(2, 1)},
    {"InsertColumn", CommandId::InsertColumn},
    {"InsertRow", CommandId::InsertRow},
    {"RemoveLastColumn", CommandId::RemoveLastColumn},
    {"RemoveLastRow", CommandId::RemoveLastRow},
    {"ResetTable", CommandId::ResetTable},
    {"TitleBar", CommandId::TitleBar,
     [](CommandUndoTest& t) {
         t.ui.titleBar = [](TableSettings& s, ProgramState&) {
             s.horizontalTitleBar = 1;
             return true;
         };
     }},
    {"ImportData", CommandId::ImportData,
     [](CommandUndoTest& t) {
         t.ui.files = {t.folder.Write(QStringLiteral("data.csv"), "a,b\r\n1,2\r\n")};
     }},
    // Five rows into four, the question answered yes: the added row goes back with the undo.
    {"RefreshData", CommandId::RefreshData,
     [](CommandUndoTest& t) {
         t.ui.files = {t.folder.Write(QStringLiteral("fresh.csv"), "a\nb\nc\nd\ne\n")};
         t.ui.answers.push_back(true);
     }},
    {"PasteData", CommandId::PasteData,
     [](CommandUndoTest& t) {
         t.Click(2, 2);
         t.ui.clipboard = QStringLiteral("p\tq");
     }},
    {"AutoSum", CommandId::AutoSum, CursorAt(1, 2)},
    {"TableStyle", CommandId::TableStyle,
     [](CommandUndoTest& t) {
         t.ui.galleryChoices = {GalleryChoice{GalleryAction::Apply, 2}};
     }},
    {"ColourByValue", CommandId::ColourByValue,
     [](CommandUndoTest& t) {
         t.ui.colourByValueChoices = {ColourScale{0x0000FF, std::nullopt, 0xFF0000, {}}};
     }},
    {"NumberFormatText", CommandId::NumberFormatText, CursorAt(2, 0)},
    {"NumberFormat1", CommandId::FirstNumberFormat, CursorAt(1, 0)},
    {"NumberFormat2", Nth(CommandId::FirstNumberFormat, 1), CursorAt(1, 0)},
    {"NumberFormat3", Nth(CommandId::FirstNumberFormat, 2), CursorAt(1, 0)},
    {"NumberFormat4", Nth(CommandId::FirstNumberFormat, 3), CursorAt(1, 0)},
    {"NumberFormat5", Nth(CommandId::FirstNumberFormat, 4), CursorAt(1, 0)},
    {"NumberFormat6", Nth(CommandId::FirstNumberFormat, 5), CursorAt(1, 0)},
    {"NumberFormat7", CommandId::LastNumberFormat, CursorAt(1, 0)},
    // The left mouse modes change the table on the click that follows.
    {"EditTextAndColours", CommandId::EditTextAndColours,
     [](CommandUndoTest& t) {
         t.ui.cellEditing = [](CellEditFields& fields, ProgramState&) {
             fields.text = QStringLiteral("typed");
             return true;
         };
     },
     ClickAt(2, 2)},
    {"InsertImage", CommandId::InsertImage, PictureFile(QStringLiteral("p.png")), ClickAt(2, 2)},
    {"InsertIcon", CommandId::InsertIcon, PictureFile(QStringLiteral("i.ico")), ClickAt(2, 2)},
    // Column 2 descending: "4" above "3".
    {"Sort", CommandId::Sort,
     [](CommandUndoTest& t) {
         t.ui.sortChoices.push_back(SortChoice{{{1, true}}, false});
     }},
    {"ReplaceOne", CommandId::ReplaceOne,
     [](CommandUndoTest& t) {
         t.state.cursor = {1, 1, 1, 1};
         t.editor().SetSearch({QStringLiteral("4")}, QStringLiteral("x"));
     }},
    {"ReplaceAll", CommandId::ReplaceAll,
     [](CommandUndoTest& t) { t.editor().SetSearch({QStringLiteral("9")}, QStringLiteral("19")); }},
};

} // namespace

TEST_P(CommandUndoTest, IsOneUndoableStepThatMarksTheTableChanged) {
    const TableCommand& command = GetParam();
    NewTable(4, 4);
    document().cell(1, 0).text = QStringLiteral("3");
    document().cell(1, 1).text = QStringLiteral("4");
    document().cell(2, 0).text = QStringLiteral("9");
    document().cell(2, 0).numericAllowed = 1;
    const QByteArray before = TableBytes();
    ASSERT_FALSE(document().undo.Modified());

    if (command.prepare) command.prepare(*this);
    Run(command.id);
    if (command.finish) command.finish(*this);
    EXPECT_TRUE(document().undo.Modified());
    EXPECT_TRUE(window->isWindowModified());
    const QByteArray after = TableBytes();
    EXPECT_NE(after, before);

    Run(CommandId::Undo);
    EXPECT_EQ(TableBytes(), before);
    EXPECT_FALSE(document().undo.Modified());
    Run(CommandId::Redo);
    EXPECT_EQ(TableBytes(), after);
}

INSTANTIATE_TEST_SUITE_P(EveryTableCommand, CommandUndoTest, testing::ValuesIn(kCommands),
                         [](const testing::TestParamInfo<TableCommand>& info) {
                             return std::string(info.param.name);
                         });
