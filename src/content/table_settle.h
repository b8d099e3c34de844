// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
struct Document;

// Whether a drawing shows the series' values or the commands that make them.
enum class SeriesShown { Evaluated, AsCommands };

// The state a table takes before it is drawn, which a command working on a table just read
// from its file must see too, as the editor does: the corner cell under both title bars is
// cancelled, a table with a joined or cancelled cell is marked retouched, and the series are
// evaluated.
void SettleTable(Document& document, const Clock& clock,
                 SeriesShown series = SeriesShown::Evaluated);
