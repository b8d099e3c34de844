// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>

// Writes JSON with the keys in the order they are added (the dump's documented order). Keys
// are plain ASCII names that need no escaping.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray(std::string_view key);
    void EndArray();
    void Field(std::string_view key, int64_t value);
    void Field(std::string_view key, const QString& value);

    const QByteArray& bytes() const { return out_; }

private:
    void Key(std::string_view key);
    void Separate();

    QByteArray out_;
    bool needComma_ = false;
};

// Appends the text as a JSON string: UTF-8, with escapes for quotes, backslashes, control
// characters and lone UTF-16 halves.
void AppendJsonQuoted(QByteArray& out, const QString& text);
