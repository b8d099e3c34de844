// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <charconv>

void JsonWriter::Separate() {
    if (needComma_) out_.append(',');
    needComma_ = false;
}

void JsonWriter::Key(std::string_view key) {
    Separate();
    out_.append('"');
    out_.append(key.data(), qsizetype(key.size()));
    out_.append("\":", 2);
}

void JsonWriter::BeginObject() {
    Separate();
    out_.append('{');
}

void JsonWriter::EndObject() {
    out_.append('}');
    needComma_ = true;
}

void JsonWriter::BeginArray(std::string_view key) {
    Key(key);
    out_.append('[');
}

void JsonWriter::EndArray() {
    out_.append(']');
    needComma_ = true;
}

void JsonWriter::Field(std::string_view key, int64_t value) {
    Key(key);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, qsizetype(end - digits));
    needComma_ = true;
}

void JsonWriter::Field(std::string_view key, const QString& value) {
    Key(key);
    AppendJsonQuoted(out_, value);
    needComma_ = true;
}

void AppendJsonQuoted(QByteArray& out, const QString& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.append('"');
    for (QChar ch : text) {
        const char16_t unit = ch.unicode();
        switch (unit) {
        case u'"':
            out.append("\\\"", 2);
            break;
        case u'\\':
            out.append("\\\\", 2);
            break;
        case u'\n':
            out.append("\\n", 2);
            break;
        case u'\r':
            out.append("\\r", 2);
            break;
        case u'\t':
            out.append("\\t", 2);
            break;
        default:
            if (unit < 0x20 || ch.isSurrogate()) {
                const char escape[] = {'\\',
                                       'u',
                                       kHex[unit >> 12],
                                       kHex[(unit >> 8) & 15],
                                       kHex[(unit >> 4) & 15],
                                       kHex[unit & 15]};
                out.append(escape, 6);
            } else if (unit < 0x80) {
                out.append(char(unit));
            } else if (unit < 0x800) {
                out.append(char(0xC0 | (unit >> 6)));
                out.append(char(0x80 | (unit & 0x3F)));
            } else {
                out.append(char(0xE0 | (unit >> 12)));
                out.append(char(0x80 | ((unit >> 6) & 0x3F)));
                out.append(char(0x80 | (unit & 0x3F)));
            }
        }
    }
    out.append('"');
}
