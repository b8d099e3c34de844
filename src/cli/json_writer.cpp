#include "cli/json_writer.h"

void JsonWriter::Separate() {
    if (needComma_) out_.append(',');
    needComma_ = false;
}

void JsonWriter::Key(const QString& key) {
    Separate();
    out_.append(JsonQuoted(key));
    out_.append(':');
}

void JsonWriter::BeginObject() {
    Separate();
    out_.append('{');
}

void JsonWriter::EndObject() {
    out_.append('}');
    needComma_ = true;
}

void JsonWriter::BeginArray(const QString& key) {
    Key(key);
    out_.append('[');
}

void JsonWriter::EndArray() {
    out_.append(']');
    needComma_ = true;
}

void JsonWriter::Field(const QString& key, int64_t value) {
    Key(key);
    out_.append(QByteArray::number(qlonglong(value)));
    needComma_ = true;
}

void JsonWriter::Field(const QString& key, const QString& value) {
    Key(key);
    out_.append(JsonQuoted(value));
    needComma_ = true;
}

QByteArray JsonQuoted(const QString& text) {
    QByteArray out("\"");
    for (QChar ch : text) {
        const char16_t unit = ch.unicode();
        switch (unit) {
        case u'"':
            out.append("\\\"");
            break;
        case u'\\':
            out.append("\\\\");
            break;
        case u'\n':
            out.append("\\n");
            break;
        case u'\r':
            out.append("\\r");
            break;
        case u'\t':
            out.append("\\t");
            break;
        default:
            if (unit < 0x20 || ch.isSurrogate()) {
                out.append(
                    QStringLiteral("\\u%1").arg(int(unit), 4, 16, QLatin1Char('0')).toLatin1());
            } else {
                out.append(QString(ch).toUtf8());
            }
        }
    }
    out.append('"');
    return out;
}
