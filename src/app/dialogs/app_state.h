// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/settings_file.h"

#include <QString>
#include <cstdint>

// The run of selected cells that the canvas handler builds click by click.
struct SelectionState {
    int16_t selectionCount = 0;
    int16_t selectionColumn = 0;
    int16_t selectionRow = 0;
    int32_t runHorizontal = 0;
    int32_t runVertical = 0;
    int16_t runSpanRight = 0;
    int16_t runSpanDown = 0;
    int32_t selectAllOn = 0;
};

// Copy stores only the source cell's position; Paste reads the cell as it is then.
struct CopyBuffer {
    int16_t copySourceColumn = 0;
    int16_t copySourceRow = 0;
    int32_t copyBufferFull = 0;
};

// The current cell that the keys move and edit (the owner of a joined block), and the corner
// where a selection by Shift and the arrows started.
struct CellCursor {
    int column = 0;
    int row = 0;
    int anchorColumn = 0;
    int anchorRow = 0;
};

inline constexpr int kLeftModeSelect = 1;
inline constexpr int kLeftModeEdit = 2;
inline constexpr int kLeftModeImage = 3;
inline constexpr int kLeftModeIcon = 4;
inline constexpr int kRightModeCapture = 1;
inline constexpr int kRightModeFavourites = 2;

// The shell's state: preferences, modes, selection, copy buffer, scroll, colours.
struct AppState {
    // language, ruler kind, character set, decimals, left mouse mode, copy flags
    ProgramSettings settings;
    QString settingsPath; // where the settings are saved
    QString programFolder;
    QString lastFolder;   // where the export dialogs start
    QString stylesFolder; // the user's own table styles; empty: none
    QString decimalMask = QStringLiteral(".00");
    int32_t tableLoaded = 0;
    int32_t rightMouseMode = kRightModeCapture;
    int32_t commandsView = 0;
    int32_t capturedColour = -1; // -1: none captured yet
    // Where the view shows the page: 0 down to where the table's far edge is in sight (and
    // never less deep than kLowestScroll downwards).
    int32_t scrollX = 0;
    int32_t scrollY = 0;
    SelectionState selection;
    CellCursor cursor;
    CopyBuffer copyBuffer;
};

// Half of the 1122-pixel page: how far down the view goes also for a short table.
inline constexpr int32_t kLowestScroll = -561;
