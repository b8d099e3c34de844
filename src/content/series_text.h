// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The working form of a series text: spaces removed at both ends, lower-cased.
QString SeriesWorkingForm(const QString& text);

// Piece `index` (from 1) of the text cut at every occurrence of the separator; a piece that
// does not exist is empty.
QStringView SeriesField(QStringView text, QChar separator, int index);
