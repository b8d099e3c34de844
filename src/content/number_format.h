// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/cell_record.h"

#include <QString>

// Number format codes of a cell (numberFormat).
inline constexpr int kEnglishDecimal = 1;
inline constexpr int kEnglishInteger = 2;
inline constexpr int kPlainEnglishDecimal = 3;
inline constexpr int kSpanishDecimal = 4;
inline constexpr int kSpanishInteger = 5;
inline constexpr int kPlainSpanishDecimal = 6;
inline constexpr int kPlainInteger = 7;

// The decimal part of the masks for 2 to 6 decimal places (".00" ... ".000000"); any other
// count gives ".00".
QString BuildDecimalMask(int decimalPlaces);

// The value through the mask of the format code. "#" shows a digit only where the number has
// one, but the units digit always shows: 0.5 in code 1 shows "0.50" and 0 in code 2 shows "0".
// The value is rounded half away from zero
// to the mask's decimals, after reducing it to 18 significant digits, so a stored 2.675 shows
// 2.68. A value that rounds to zero shows no minus sign. Integer parts longer than the mask
// show all their digits. Codes outside 1..7, infinities and NaN give an empty text.
QString FormatNumber(long double value, int numberFormat, const QString& decimalMask);

// A confirmed text as it is stored: line breaks become spaces, and a text of digits with a
// single "," or "'" as decimal separator gets "." instead.
QString NormaliseTypedText(const QString& text);

// The text of the cell as it is drawn: through its number format when numericAllowed is 1,
// otherwise as it stands.
QString ShownText(const CellRecord& cell, const QString& decimalMask);
