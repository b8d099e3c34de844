// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

// Evaluates every operation cell of the table, row by row and left to right, and writes each
// result into the cell's text at once, so an operation reading an earlier operation cell sees
// its new result and one reading a later cell its previous result. Joined cells, cancelled
// cells and cells outside the table are unusable operands. A division by zero leaves an empty
// text.
void RecomputeOperations(Document& document);
