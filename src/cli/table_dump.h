// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

#include <QByteArray>

// The table as one JSON object: the table-wide values, then every cell of the table, rows
// outer and columns inner, each with its text as drawn with `decimalPlaces` and its stored
// series command. The password itself is never written.
QByteArray DumpTableJson(const Document& document, int decimalPlaces);
