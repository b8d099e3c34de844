// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

class QIODevice;

// A CSV or TSV file as a grid of fields, rows outer. Short rows are padded with empty fields,
// so every row has columnCount fields.
struct DelimitedText {
    std::vector<QStringList> rows;
    int columnCount = 0;
    QChar delimiter = u',';
    bool unclosedQuote = false; // a quoted field ran to the end of the data
    // What was read but not kept: records after the last one kept, and fields after the kept
    // ones of a record (without a column list).
    bool moreRecords = false;
    bool moreFields = false;
    int widestRecord = 0; // the fields of the widest record read, kept or not
    // The line of the first NUL byte: such data is not text. 0 when there is none.
    int nulLine = 0;
    // The (row, column) of kept fields too long for any cell text, kept only in part.
    std::vector<std::pair<int, int>> cutFields;
    // The line where reading stopped at the first field too long for a cell (limits that
    // stop there), else 0.
    int longFieldLine = 0;

    int rowCount() const { return int(rows.size()); }
    // True when some field holds more than spaces.
    bool HasContent() const;
    bool IsCut(int row, int column) const;
};

// What a read keeps and when it stops. The data is read as a stream: it stops at the first
// record after the kept ones, so memory and time depend on what is kept, not on the input.
struct DataLimits {
    int records = std::numeric_limits<int>::max();
    // The data columns kept (0-based, ascending); empty keeps the first `fields` fields.
    std::vector<int> columns;
    int fields = std::numeric_limits<int>::max();
    // Stops at the first thing that would not be kept whole: another record, another field
    // (without a column list) or a field too long for a cell.
    bool stopAtFirstCut = false;
};

// The delimiter of the data among tab, semicolon and comma, counting them outside quoted
// fields in the first records: the one that splits them into the same number of fields (more
// than one) most often, then into more fields. A tie goes to the comma, then the tab.
QChar DetectDelimiter(QByteArrayView utf8);

// Reads delimited data: UTF-8 (a byte-order mark is dropped), UTF-16 with its byte-order
// mark, else Windows-1252 when the kept bytes are not UTF-8. Quoting follows RFC 4180: a field
// that starts with a quote runs to the closing quote, holding delimiters, line breaks and
// doubled quotes (""). Records end at CRLF, LF or CR; the line break after the last record
// adds no record. With no delimiter given, it is detected from the first records. Runs of
// spaces and line breaks at the ends of a field are shortened to one character (a cell drops
// them), so that a padded field stays small.
DelimitedText ReadDelimitedText(QIODevice& device, const DataLimits& limits = {},
                                std::optional<QChar> delimiter = std::nullopt);
DelimitedText ReadDelimitedText(const QByteArray& bytes,
                                std::optional<QChar> delimiter = std::nullopt);
// The same for text already decoded (the clipboard's).
DelimitedText ParseDelimitedText(const QString& text, std::optional<QChar> delimiter);
