// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/xml_text.h"

namespace {

bool IsXmlCharacter(char32_t code) {
    if (code < 0x20) return code == 0x09 || code == 0x0A || code == 0x0D;
    if (code >= 0xD800 && code <= 0xDFFF) return false; // only a surrogate left unpaired
    return code != 0xFFFE && code != 0xFFFF;
}

} // namespace

QString XmlCharacters(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept.append(c);
            kept.append(text[++i]);
        } else if (IsXmlCharacter(c.unicode())) {
            kept.append(c);
        }
    }
    return kept;
}

QString XmlAttributeValue(QStringView text) {
    // The generator quotes attributes with double quotes, so an apostrophe may stay.
    return XmlCharacters(text).toHtmlEscaped();
}
