#pragma once

#include <QString>
#include <Qt>
#include <algorithm>

// A key that types text into a cell: printable characters, without Ctrl, Alt or Meta.
inline bool TypesText(const QString& text, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
