// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Numbers inside cell texts use "." as the decimal point.

// Reads the number at the start of the text: an optional sign, digits with an optional "."
// and fraction, and an optional exponent ("e" or "E", optional sign, digits). Reading stops at
// the first character that cannot continue the number; a text without a leading number
// (leading spaces included) reads 0. Magnitudes beyond the range of long double read as the
// largest finite value of the sign, magnitudes too small to hold read 0.
long double ReadLeadingNumber(const QString& text);
long double ReadLeadingNumber(QStringView text);

// The nearest 32-bit integer (halves away from zero); values beyond the range take the
// nearest end of it, NaN gives 0.
int32_t NearestInt32(long double value);

// Writes a number with up to 15 significant digits, no leading space, "-" for negatives and
// no trailing zeros after the point. Magnitudes from 1e-6 up to below 1e21 are written
// positionally (1234.5, 0.000001); beyond that in exponent form with at least one mantissa
// digit ("1.5e+21", "1e-7"), which ReadLeadingNumber reads back. Zero (also -0) is "0".
// Infinite and NaN values, which only a division by zero can produce, give an empty text.
QString WriteNumber(long double value);
