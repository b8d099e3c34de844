// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The editor on the offscreen platform with a scripted Ui, shared by the editor tests.

#include "app/dialogs/cell_edit_fields.h"
#include "app/editor/command_ids.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "app/shell/main_window.h"
#include "app/shell/picture_widget.h"
#include "app/shell/startup.h"
#include "content/clock.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The editor in English with a scripted Ui, a fixed date and its settings in a temporary
// folder. New tables come from `columns` x `rows` cells of 40 x 20.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        state.settings.currentLanguage = kEnglish;
        state.settingsPath = folder.Path(QStringLiteral("Quadrivel.ini"));
        ui.newTable = [this](TableSettings& s, ProgramState&) {
            s.columnCount = int16_t(columns);
            s.rowCount = int16_t(rows);
            s.gridCellWidth = 40;
            s.gridCellHeight = 20;
            s.horizontalTitleBar = titleBar;
            return true;
        };
        window = std::make_unique<MainWindow>(ui, clock, state);
        window->editor().Initialise(QString());
    }

    Editor& editor() { return window->editor(); }
    Document& document() { return editor().document(); }
    void Run(CommandId command) { editor().Command(command); }
    void NewTable(int c, int r) {
        columns = c;
        rows = r;
        Run(CommandId::New);
    }
    // A click in the middle of a cell of the view (cells of 40 x 20, no separator).
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->tableView(), button, {},
                          QPoint(column * 40 + 20, row * 20 + 10 + editor().state().scrollY));
    }
    // Opens the cell editing dialog on a cell in the edit mode and types a text into it.
    void EditText(int column, int row, const QString& text) {
        ui.cellEditing = [text](CellEditFields& fields, ProgramState&) {
            fields.text = text;
            return true;
        };
        Run(CommandId::EditTextAndColours);
        Click(column, row);
        Run(CommandId::CellSelector);
    }
    // What a save writes, but for the selection marks (no part of an undo step).
    QByteArray TableBytes() {
        Document table = document();
        for (int row = 0; row < table.settings.rowCount; ++row)
            for (int column = 0; column < table.settings.columnCount; ++column)
                table.cell(column, row).selected = 0;
        return WorkFileBytes(table);
    }
    QString Message(int g, int e) const { return MessageIn(kEnglish, g, e); }
    QString Pair(int g1, int e1, int g2, int e2) const {
        return Message(g1, e1) + QStringLiteral("\r\n") + Message(g2, e2);
    }

    TempFolder folder;
    ScriptedUi ui;
    FixedClock clock{QDate(2026, 12, 7)};
    EditorState state;
    std::unique_ptr<MainWindow> window;
    int columns = 5;
    int rows = 4;
    int32_t titleBar = 0;
};
