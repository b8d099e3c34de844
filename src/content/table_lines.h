// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

// Rows and columns added or taken at the table's end.

// false when the grid is full.
bool InsertColumn(Document& document);
bool InsertRow(Document& document);
// false when only one is left.
bool RemoveLastColumn(Document& document);
bool RemoveLastRow(Document& document);
