// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The text without the spaces at both ends. Only U+0020 counts: cell texts keep other blanks.
inline QStringView TrimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}
