// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Highest series kind; 0 is ordinary text.
inline constexpr int kLastSeriesKind = 37;

// The series kind (0..37) of a cell text or stored command; 0 means ordinary text.
int ClassifySeries(const QString& text);

// The same on a text already in working form (SeriesWorkingForm).
int ClassifyWorkingForm(QStringView workingForm);
