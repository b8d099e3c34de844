#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A CSV or TSV file as a grid of fields, rows outer. Short rows are padded with empty fields,
// so every row has columnCount fields.
struct DelimitedText {
    std::vector<QStringList> rows;
    int columnCount = 0;
    QChar delimiter = u',';
    bool unclosedQuote = false; // a quoted field ran to the end of the data

    int rowCount() const { return int(rows.size()); }
    // True when some field holds more than spaces.
    bool HasContent() const;
};

// The delimiter of the text among tab, semicolon and comma: the one that splits the first
// records into the same number of fields (more than one) most often. Ties go to tab, then
// semicolon, then comma: commas are the likeliest of the three inside the fields.
QChar DetectDelimiter(const QString& text);

// Reads delimited data: UTF-8 (a byte-order mark is dropped), UTF-16 with its byte-order
// mark, else Windows-1252 when the bytes are not UTF-8. Quoting follows RFC 4180: a field
// that starts with a quote runs to the closing quote, holding delimiters, line breaks and
// doubled quotes (""). Records end at CRLF, LF or CR; the line break after the last record
// adds no record. With no delimiter given, it is detected.
DelimitedText ReadDelimitedText(const QByteArray& bytes,
                                std::optional<QChar> delimiter = std::nullopt);
// The same for text already decoded (the clipboard's).
DelimitedText ParseDelimitedText(const QString& text, std::optional<QChar> delimiter);
