#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Writes JSON with the keys in the order they are added (the dump's documented order).
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray(const QString& key);
    void EndArray();
    void Field(const QString& key, int64_t value);
    void Field(const QString& key, const QString& value);

    const QByteArray& bytes() const { return out_; }

private:
    void Key(const QString& key);
    void Separate();

    QByteArray out_;
    bool needComma_ = false;
};

QByteArray JsonQuoted(const QString& text);
