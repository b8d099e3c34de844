// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/delimited_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <vector>

// The bytes of one field as kept. A cell drops spaces and line breaks at the ends of its
// text, so a run of them there is kept as one byte: a line break when the run holds one (a
// number reader must still see it), else a space. Beyond what any cell text can hold the
// field is cut.
class FieldBytes {
public:
    // False once the field is too long for a cell.
    bool Append(char byte);
    bool tooLong() const { return tooLong_; }
    // The field, and a fresh start for the next one.
    QByteArray Take();

private:
    char leading_ = 0;  // the run of blanks before the text, as one byte
    QByteArray text_;   // from the first to the last byte that is no blank
    QByteArray blanks_; // the blanks after the text so far
    bool tooLong_ = false;
};

// Splits bytes (UTF-8 or Windows-1252) into records of fields, as they come, within limits.
class DelimitedRecords {
public:
    // Notes what is read but not kept in `data`.
    DelimitedRecords(char delimiter, const DataLimits& limits, DelimitedText& data);

    // False once reading can stop: the data is not text, or all that is kept has been read.
    bool Read(QByteArrayView bytes);
    // The end of the data.
    void Finish();
    const std::vector<std::vector<QByteArray>>& records() const { return records_; }

private:
    bool Take(char byte);
    bool Append(char byte);
    bool PastKeptFields() const;
    void StartField();
    void EndField();
    void EndRecord();

    const char delimiter_;
    const DataLimits& limits_;
    DelimitedText& data_;
    std::vector<std::vector<QByteArray>> records_;
    std::vector<QByteArray> record_;
    FieldBytes field_;
    int fieldIndex_ = 0;    // in the record, kept or not
    size_t nextColumn_ = 0; // the next kept column of a column list
    bool keeping_ = false;  // the field is kept
    bool fieldStarted_ = false;
    bool recordStarted_ = false;
    bool quoted_ = false;
    bool quoteInQuoted_ = false;              // a quote inside quotes: closing, or the first of two
    bool afterCr_ = false;                    // for counting a CRLF as one line
    bool recordEndedByCr_ = false;            // an LF next belongs to that line break
    std::array<bool, 256> passedOverUntil_{}; // the bytes that matter in a field not kept
    int line_ = 1;
    int recordLine_ = 1;
};
