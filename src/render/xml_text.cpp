// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/xml_text.h"

namespace {

void AppendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out.append(char(code));
    } else if (code < 0x800) {
        out.append(char(0xC0 | (code >> 6)));
        out.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(char(0xE0 | (code >> 12)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    } else {
        out.append(char(0xF0 | (code >> 18)));
        out.append(char(0x80 | ((code >> 12) & 0x3F)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    }
}

} // namespace

void AppendXmlText(QByteArray& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'&':
            out.append("&amp;");
            continue;
        case u'<':
            out.append("&lt;");
            continue;
        case u'>': // also keeps "]]>" out of the content
            out.append("&gt;");
            continue;
        case u'"':
            out.append("&quot;");
            continue;
        case u'\t':
            out.append("&#9;");
            continue;
        case u'\n':
            out.append("&#10;");
            continue;
        case u'\r':
            out.append("&#13;");
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0xFFFE || c == 0xFFFF) continue;
        if (QChar::isHighSurrogate(c)) {
            // A pair is kept whole; a high surrogate that ends the text is never paired with
            // what lies past its end.
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate())
                AppendUtf8(out, QChar::surrogateToUcs4(c, text[++i].unicode()));
            continue;
        }
        if (QChar::isLowSurrogate(c)) continue;
        AppendUtf8(out, c);
    }
}
