// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

struct DelimitedText;

// A field of a data file that reads fully as a number written with the given decimal
// separator ("." or ","): an optional sign, digits grouped in threes by the other separator or
// not grouped at all, and an optional fraction. The result is the number as cells store it:
// "-" for negatives, no grouping, "." as the decimal point ("1.234,5" -> "1234.5"); nothing
// when the field is not such a number.
std::optional<QString> ReadDataNumber(QStringView field, QChar decimalSeparator);

// A cell text that is a number as cells store it, blanks around it aside ("12.50", "-3").
bool IsStoredNumber(QStringView text);

// The decimal separator of a data file: "," when more fields read as numbers only with ","
// than only with "." (so "1,234" alone decides nothing), else ".".
QChar DecimalSeparatorOf(const DelimitedText& data);
