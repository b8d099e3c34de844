// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of files made by the Windows program (settings keys, byte
// fields of work files). Bytes the code page leaves undefined map to the same code point.
QString DecodeWindows1252(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray EncodeWindows1252(const QString& text);

// Byte fields of work files: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString DecodeByteField(const QByteArray& bytes);
// UTF-8, cut to at most maxBytes without splitting a character.
QByteArray EncodeByteField(const QString& text, int maxBytes);
