// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/series_kind.h"

#include <QString>
#include <QStringView>

// The series kind of a cell text or stored command.
SeriesKind ClassifySeries(const QString& text);

// The same on a text already in working form (SeriesWorkingForm).
SeriesKind ClassifyWorkingForm(QStringView workingForm);
