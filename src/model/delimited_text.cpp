#include "model/delimited_text.h"

#include "model/windows1252.h"

#include <QStringDecoder>
#include <algorithm>
#include <limits>

namespace {

constexpr QChar kQuote = u'"';
constexpr int kRecordsForDetection = 20;

// The records of the text, at most maxRecords of them.
std::vector<QStringList> ParseRecords(const QString& text, QChar delimiter, int maxRecords,
                                      bool* unclosedQuote) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool recordStarted = false; // the current line holds something
    const qsizetype size = text.size();
    auto endField = [&] {
        record.append(field);
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        records.push_back(record);
        record.clear();
        recordStarted = false;
    };
    for (qsizetype i = 0; i < size && int(records.size()) < maxRecords; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != kQuote) {
                field.append(c);
            } else if (i + 1 < size && text[i + 1] == kQuote) {
                field.append(kQuote);
                ++i;
            } else {
                quoted = false; // characters after the closing quote still join the field
            }
            continue;
        }
        if (c == delimiter) {
            endField();
            recordStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
            endRecord();
        } else if (c == kQuote && field.isEmpty()) {
            quoted = true;
            recordStarted = true;
        } else {
            field.append(c);
            recordStarted = true;
        }
    }
    if (unclosedQuote) *unclosedQuote = quoted;
    if (recordStarted && int(records.size()) < maxRecords) endRecord();
    return records;
}

QString DecodeDataText(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // The decoder reads the byte-order mark for the byte order and drops it.
        QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::Stateless);
        return utf16.decode(bytes);
    }
    return DecodeByteField(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
}

} // namespace

bool DelimitedText::HasContent() const {
    for (const QStringList& row : rows) {
        for (const QString& field : row) {
            if (std::any_of(field.begin(), field.end(), [](QChar c) { return !c.isSpace(); }))
                return true;
        }
    }
    return false;
}

QChar DetectDelimiter(const QString& text) {
    const QChar candidates[] = {u'\t', u';', u','};
    QChar best = u',';
    int bestScore = 0;
    for (const QChar candidate : candidates) {
        const std::vector<QStringList> records =
            ParseRecords(text, candidate, kRecordsForDetection, nullptr);
        if (records.empty() || records.front().size() < 2) continue;
        const qsizetype fields = records.front().size();
        const int score =
            int(std::count_if(records.begin(), records.end(), [fields](const QStringList& record) {
                return record.size() == fields;
            }));
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

DelimitedText ReadDelimitedText(const QByteArray& bytes, std::optional<QChar> delimiter) {
    return ParseDelimitedText(DecodeDataText(bytes), delimiter);
}

DelimitedText ParseDelimitedText(const QString& text, std::optional<QChar> delimiter) {
    DelimitedText data;
    data.delimiter = delimiter ? *delimiter : DetectDelimiter(text);
    data.rows =
        ParseRecords(text, data.delimiter, std::numeric_limits<int>::max(), &data.unclosedQuote);
    for (const QStringList& row : data.rows)
        data.columnCount = std::max(data.columnCount, int(row.size()));
    for (QStringList& row : data.rows) {
        while (row.size() < data.columnCount)
            row.append(QString());
    }
    return data;
}
