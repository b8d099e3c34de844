// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run of selected cells that clicks build one by one: the cells themselves carry their
// marks; this holds where the run started and which way it goes.
struct SelectionState {
    int selectionCount = 0;
    int selectionColumn = 0;
    int selectionRow = 0;
    bool runHorizontal = false;
    bool runVertical = false;
    int runSpanRight = 0; // the first cell's joined block, to its right and below
    int runSpanDown = 0;
    bool selectAllOn = false;
};
