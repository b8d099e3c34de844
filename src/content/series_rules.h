// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/series_kind.h"
#include "model/document.h"

#include <QDate>
#include <QStringView>

// Text colour of the age, deadline and Sunday marks (red).
inline constexpr int32_t kSeriesMarkColour = 0x0000FF;

// Writes what the series command of the given kind, in working form, generates from
// its cell (column, row) onwards: along the row to the last column, down the column to the
// last row, or into its own cell only. Other kinds write nothing.
void ApplySeriesRule(Document& document, int column, int row, SeriesKind kind,
                     QStringView workingForm, QDate today);
