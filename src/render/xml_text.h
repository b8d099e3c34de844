// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

// Appends `text` as UTF-8 that may stand both as the content of an element and between the
// double quotes of an attribute: the characters XML 1.0 cannot hold (controls other than tab,
// line feed and carriage return, U+FFFE, U+FFFF, unpaired surrogates) left out, & < > "
// written as entities, and tab, line feed and carriage return as character references, which
// a reader keeps as they are where it would turn the characters themselves into spaces.
void AppendXmlText(QByteArray& out, QStringView text);
