// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/clock.h"
#include "model/document.h"

// Pass 1: cells whose text is a series command (kinds 2..37) store it in the command store,
// then every such command fills its range, in row-by-row, left-to-right order. All commands
// are stored before any cell is filled, so a series that runs over another command's cell
// cannot erase that command.
void EvaluateNewSeries(Document& document, const Clock& clock);

// Pass 2: every stored command is evaluated again, in the same order, so that a cell reached
// by several series ends with the value of the last command cell.
void ReevaluateSeries(Document& document, const Clock& clock);

// Copies every stored command back into its cell's text (for "View commands" and saving).
// Cells reached by a series without a command of their own keep their values.
void RestoreCommands(Document& document);
