// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/delimited_text.h"

#include "model/delimited_records.h"
#include "model/windows1252.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

constexpr int kRecordsForDetection = 20;
// The first bytes are read whole before parsing: enough for the records that decide the
// delimiter, and for a byte-order mark.
constexpr qsizetype kDetectionBytes = 64 * 1024;
constexpr qsizetype kChunkBytes = 64 * 1024;

// The bytes of a device as UTF-8 or Windows-1252: a UTF-8 byte-order mark dropped, UTF-16
// (known by its mark) turned into UTF-8 piece by piece.
class ByteSource {
public:
    explicit ByteSource(QIODevice& device) : device_(device) {}

    // At most `size` bytes, fewer only at the end of the data.
    QByteArray First(qsizetype size) {
        QByteArray raw;
        while (raw.size() < size) {
            const QByteArray piece = device_.read(size - raw.size());
            if (piece.isEmpty()) break;
            raw += piece;
        }
        if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF"))
            utf16_.emplace(QStringDecoder::Utf16); // reads the mark for the byte order, drops it
        else if (raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        return Converted(raw);
    }
    // The next bytes; empty at the end of the data.
    QByteArray Next() { return Converted(device_.read(kChunkBytes)); }

private:
    QByteArray Converted(const QByteArray& raw) {
        return utf16_ ? QString(utf16_->decode(raw)).toUtf8() : raw;
    }

    QIODevice& device_;
    std::optional<QStringDecoder> utf16_;
};

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The kept fields as text: all as UTF-8 when every one of them is, else all as Windows-1252.
std::vector<QStringList> DecodedRecords(const std::vector<std::vector<QByteArray>>& records) {
    const auto decoded = [&records](bool utf8) -> std::optional<std::vector<QStringList>> {
        std::vector<QStringList> rows;
        rows.reserve(records.size());
        for (const std::vector<QByteArray>& record : records) {
            QStringList row;
            row.reserve(qsizetype(record.size()));
            for (const QByteArray& field : record) {
                if (IsAscii(field)) {
                    row.append(QString::fromLatin1(field));
                } else if (!utf8) {
                    row.append(DecodeWindows1252(field));
                } else {
                    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
                    row.append(decoder.decode(field));
                    if (decoder.hasError()) return std::nullopt;
                }
            }
            rows.push_back(std::move(row));
        }
        return rows;
    };
    if (auto rows = decoded(true)) return std::move(*rows);
    return *decoded(false);
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

bool DelimitedText::IsCut(int row, int column) const {
    return std::binary_search(cutFields.begin(), cutFields.end(), std::pair(row, column));
}

QChar DetectDelimiter(QByteArrayView text) {
    // In the order that ties are broken in.
    static constexpr std::array<char, 3> kCandidates = {',', '\t', ';'};
    using Counts = std::array<int, kCandidates.size()>;
    std::vector<Counts> records;
    Counts current{};
    bool quoted = false;
    bool fieldStart = true; // a quote here opens a quoted field, whichever the delimiter
    bool anything = false;
    for (qsizetype i = 0; i < text.size() && int(records.size()) < kRecordsForDetection; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') continue;
            if (i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else
                quoted = false;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            records.push_back(current);
            current = {};
            fieldStart = true;
            anything = false;
            continue;
        }
        anything = true;
        const auto* candidate = std::find(kCandidates.begin(), kCandidates.end(), c);
        if (candidate != kCandidates.end()) ++current[size_t(candidate - kCandidates.begin())];
        quoted = c == '"' && fieldStart;
        fieldStart = candidate != kCandidates.end();
    }
    if (anything && int(records.size()) < kRecordsForDetection) records.push_back(current);

    QChar best = u',';
    std::pair<int, int> bestScore{0, 0}; // records split alike, then delimiters per record
    for (size_t k = 0; k < kCandidates.size() && !records.empty(); ++k) {
        const int first = records.front()[k];
        if (first == 0) continue;
        const int alike =
            int(std::count_if(records.begin(), records.end(),
                              [&](const Counts& counts) { return counts[k] == first; }));
        if (std::pair(alike, first) > bestScore) {
            bestScore = {alike, first};
            best = QChar::fromLatin1(kCandidates[k]);
        }
    }
    return best;
}

DelimitedText ReadDelimitedText(QIODevice& device, const DataLimits& limits,
                                std::optional<QChar> delimiter) {
    DelimitedText data;
    ByteSource source(device);
    const QByteArray first = source.First(kDetectionBytes);
    data.delimiter = delimiter ? *delimiter : DetectDelimiter(first);
    DelimitedRecords reader(char(data.delimiter.toLatin1()), limits, data);
    bool going = reader.Read(first);
    while (going) {
        const QByteArray next = source.Next();
        if (next.isEmpty()) {
            reader.Finish();
            break;
        }
        going = reader.Read(next);
    }
    data.rows = DecodedRecords(reader.records());
    for (const QStringList& row : data.rows)
        data.columnCount = std::max(data.columnCount, int(row.size()));
    for (QStringList& row : data.rows) {
        while (row.size() < data.columnCount)
            row.append(QString());
    }
    return data;
}

DelimitedText ReadDelimitedText(const QByteArray& bytes, std::optional<QChar> delimiter) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadDelimitedText(buffer, {}, delimiter);
}

DelimitedText ParseDelimitedText(const QString& text, std::optional<QChar> delimiter) {
    return ReadDelimitedText(text.toUtf8(), delimiter);
}
