// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>
#include <algorithm>

// Enter: either Return key, or a line feed (what `xdotool type` sends for a new line and
// Ctrl+J types).
inline bool IsEnterKey(int qtKey, const QString& text) {
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || text == u"\n";
}

// A key that types text into a cell: printable characters, without Ctrl, Alt or Meta.
inline bool TypesText(const QString& text, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
