// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_text.h"

#include "model/space_trim.h"

QString SeriesWorkingForm(const QString& text) {
    const QStringView trimmed = TrimSpaces(text);
    // toLower shares the text when nothing changes, so the common case allocates nothing.
    if (trimmed.size() == text.size()) return text.toLower();
    return trimmed.toString().toLower();
}

QStringView SeriesField(QStringView text, QChar separator, int index) {
    qsizetype start = 0;
    for (int piece = 1; piece < index; ++piece) {
        const qsizetype next = text.indexOf(separator, start);
        if (next < 0) return {};
        start = next + 1;
    }
    const qsizetype end = text.indexOf(separator, start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}
