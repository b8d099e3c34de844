// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// `text` without the characters an XML 1.0 document cannot hold: controls other than tab,
// line feed and carriage return, U+FFFE, U+FFFF and unpaired surrogates.
QString XmlCharacters(QStringView text);

// `text` as it may stand between the quotes of an XML attribute: the characters XML cannot
// hold left out, and & < > " written as entities.
QString XmlAttributeValue(QStringView text);
