// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/program_state.h"
#include "content/table_selection.h"

#include <cstdint>

// Copy stores only the source cell's position; Paste reads the cell as it is then.
struct CopyBuffer {
    int copySourceColumn = 0;
    int copySourceRow = 0;
    bool copyBufferFull = false;
};

// The current cell that the keys move and edit (the owner of a joined block), and the corner
// where a selection by Shift and the arrows started.
struct CellCursor {
    int column = 0;
    int row = 0;
    int anchorColumn = 0;
    int anchorRow = 0;
};

// What a right click on a cell does.
enum class RightMouseMode { CaptureColour, FavouriteColours };

// The editor's state beside the preferences: modes, selection, copy buffer, scroll.
struct EditorState : ProgramState {
    bool tableLoaded = false;
    RightMouseMode rightMouseMode = RightMouseMode::CaptureColour;
    bool commandsView = false;
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
