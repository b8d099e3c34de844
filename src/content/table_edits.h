// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/table_lines.h"
#include "content/table_selection.h"
#include "model/document.h"
#include "model/settings_file.h"

// The editing operations of the commands, on the model only. Undo snapshots, messages and
// redraws are the command handler's.

// Copies the source cell's fields chosen by the copy flags into every selected cell. The
// line thickness and colour always travel.
void PasteIntoSelection(Document& document, const ProgramSettings& settings, int sourceColumn,
                        int sourceRow);

// Gives every selected cell the default content.
void ClearSelectedCells(Document& document);

// Sets cellState of every selected cell of the table body (cancel or stop).
void SetStateOfSelectedCells(Document& document, int32_t cellState);

enum class MergeOutcome { Joined, NotARun, NotAllowed };
// Joins the run of the selection (horizontal or vertical) and marks the table retouched.
// Nothing is joined while a title bar or a line-only grid style is on.
MergeOutcome MergeRun(Document& document, const SelectionState& selection, bool horizontal);

// Empties the text and the stored series command of every plain cell of the body.
void ResetTableTexts(Document& document);
