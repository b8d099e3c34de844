// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/data_number.h"

#include "model/delimited_text.h"
#include "model/space_trim.h"

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype DigitsFrom(QStringView text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - at;
}

} // namespace

std::optional<QString> ReadDataNumber(QStringView field, QChar decimalSeparator) {
    const QStringView text = TrimSpaces(field);
    const QChar grouping = decimalSeparator == u',' ? u'.' : u',';
    QString number;
    qsizetype at = 0;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        if (text[at] == u'-') number.append(u'-');
        ++at;
    }
    // The integer part: plain digits, or a group of one to three digits followed by groups of
    // exactly three.
    const qsizetype lead = DigitsFrom(text, at);
    number.append(text.sliced(at, lead));
    at += lead;
    if (lead >= 1 && lead <= 3) {
        while (at < text.size() && text[at] == grouping) {
            if (DigitsFrom(text, at + 1) != 3) return std::nullopt;
            number.append(text.sliced(at + 1, 3));
            at += 4;
        }
    }
    const qsizetype integerDigits = number.size() - (number.startsWith(u'-') ? 1 : 0);
    if (at < text.size() && text[at] == decimalSeparator) {
        const qsizetype fraction = DigitsFrom(text, at + 1);
        if (fraction == 0) return std::nullopt;
        if (integerDigits == 0) number.append(u'0');
        number.append(u'.').append(text.sliced(at + 1, fraction));
        at += 1 + fraction;
    } else if (integerDigits == 0) {
        return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    return number;
}

QChar DecimalSeparatorOf(const DelimitedText& data) {
    int onlyComma = 0;
    int onlyPoint = 0;
    for (const QStringList& row : data.rows) {
        for (const QString& field : row) {
            const bool comma = ReadDataNumber(field, u',').has_value();
            const bool point = ReadDataNumber(field, u'.').has_value();
            onlyComma += comma && !point;
            onlyPoint += point && !comma;
        }
    }
    return onlyComma > onlyPoint ? u',' : u'.';
}

bool IsStoredNumber(QStringView text) {
    return ReadDataNumber(text, u'.').has_value();
}
