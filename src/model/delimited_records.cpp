// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/delimited_records.h"

#include "model/cell_record.h"

#include <algorithm>

namespace {

// More bytes than this between the first and the last blank of a field make more UTF-16
// units than a cell text holds, whatever the encoding: three bytes is the longest UTF-8 form
// of one unit, two (CRLF) the longest of a line break made a space.
constexpr qsizetype kMostFieldBytes = 3 * kTextMaxUnits;

bool IsBlank(char byte) {
    return byte == ' ' || byte == '\r' || byte == '\n';
}

// Drops a UTF-8 sequence left incomplete by a cut, so the kept bytes still read as UTF-8.
void DropCutCharacter(QByteArray& bytes) {
    qsizetype start = bytes.size();
    while (start > 0 && (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0) return;
    const auto lead = static_cast<unsigned char>(bytes[start - 1]);
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (bytes.size() - (start - 1) < length) bytes.truncate(start - 1);
}

} // namespace

bool FieldBytes::Append(char byte) {
    if (tooLong_) return false;
    if (IsBlank(byte)) {
        if (text_.isEmpty())
            leading_ = leading_ == '\n' || byte != ' ' ? '\n' : ' ';
        else if (blanks_.size() <= kMostFieldBytes)
            blanks_.append(byte);
        return true;
    }
    if (text_.size() + blanks_.size() >= kMostFieldBytes) {
        tooLong_ = true;
        DropCutCharacter(text_);
        return false;
    }
    text_ += blanks_;
    blanks_.clear();
    text_ += byte;
    return true;
}

QByteArray FieldBytes::Take() {
    QByteArray field;
    if (leading_ != 0) field += leading_;
    field += text_;
    if (!tooLong_ && !blanks_.isEmpty())
        field += blanks_.contains('\r') || blanks_.contains('\n') ? '\n' : ' ';
    *this = FieldBytes();
    return field;
}

DelimitedRecords::DelimitedRecords(char delimiter, const DataLimits& limits, DelimitedText& data)
    : delimiter_(delimiter), limits_(limits), data_(data) {
    for (const char byte : {delimiter, '"', '\r', '\n', '\0'})
        passedOverUntil_[static_cast<unsigned char>(byte)] = true;
    StartField();
}

bool DelimitedRecords::Read(QByteArrayView bytes) {
    const char* at = bytes.begin();
    while (at != bytes.end()) {
        // Inside a field that is not kept, only these bytes change anything: the rest of a
        // wide record is passed over at the speed of a search.
        if (!keeping_ && !afterCr_ && !quoteInQuoted_ && (fieldStarted_ || *at == delimiter_)) {
            const bool pastKept = !quoted_ && PastKeptFields();
            while (at != bytes.end()) {
                if (pastKept && *at == delimiter_) {
                    ++fieldIndex_; // no field after the kept ones is kept
                    fieldStarted_ = ++at == bytes.end() || *at != '"';
                    if (!fieldStarted_) break;
                } else if (passedOverUntil_[static_cast<unsigned char>(*at)]) {
                    break;
                } else {
                    ++at;
                }
            }
            if (at == bytes.end()) break;
        }
        if (!Take(*at++)) return false;
    }
    return true;
}

void DelimitedRecords::Finish() {
    if (quoteInQuoted_) quoted_ = false; // the closing quote was the last byte
    data_.unclosedQuote = quoted_;
    if (recordStarted_) EndRecord();
}

bool DelimitedRecords::Take(char byte) {
    if (byte == '\0') {
        data_.nulLine = line_;
        return false;
    }
    if (byte == '\r' || (byte == '\n' && !afterCr_)) ++line_;
    afterCr_ = byte == '\r';
    if (recordEndedByCr_) {
        recordEndedByCr_ = false;
        if (byte == '\n') return true;
    }
    if (int(records_.size()) >= limits_.records) {
        data_.moreRecords = true;
        return false;
    }
    if (quoteInQuoted_) {
        quoteInQuoted_ = false;
        if (byte == '"') return Append(byte);
        quoted_ = false; // characters after the closing quote still join the field
    }
    if (quoted_) {
        if (byte != '"') return Append(byte);
        quoteInQuoted_ = true;
        return true;
    }
    if (byte == '\r' || byte == '\n') {
        EndRecord();
        recordEndedByCr_ = byte == '\r';
        return true;
    }
    recordStarted_ = true;
    if (byte == delimiter_) {
        EndField();
        if (limits_.columns.empty() && fieldIndex_ >= limits_.fields) {
            data_.moreFields = true;
            if (limits_.stopAtFirstCut) return false;
        }
        StartField();
        return true;
    }
    if (byte == '"' && !fieldStarted_) {
        quoted_ = true;
        fieldStarted_ = true;
        return true;
    }
    fieldStarted_ = true;
    return Append(byte);
}

bool DelimitedRecords::Append(char byte) {
    if (!keeping_ || field_.Append(byte) || !limits_.stopAtFirstCut) return true;
    data_.longFieldLine = recordLine_;
    return false;
}

bool DelimitedRecords::PastKeptFields() const {
    const std::vector<int>& columns = limits_.columns;
    return columns.empty() ? fieldIndex_ >= limits_.fields : nextColumn_ >= columns.size();
}

void DelimitedRecords::StartField() {
    fieldStarted_ = false;
    const std::vector<int>& columns = limits_.columns;
    if (columns.empty()) {
        keeping_ = fieldIndex_ < limits_.fields;
        return;
    }
    while (nextColumn_ < columns.size() && columns[nextColumn_] < fieldIndex_)
        ++nextColumn_;
    keeping_ = nextColumn_ < columns.size() && columns[nextColumn_] == fieldIndex_;
}

void DelimitedRecords::EndField() {
    if (keeping_) {
        if (field_.tooLong())
            data_.cutFields.emplace_back(int(records_.size()), int(record_.size()));
        record_.push_back(field_.Take());
    }
    ++fieldIndex_;
}

void DelimitedRecords::EndRecord() {
    EndField();
    data_.widestRecord = std::max(data_.widestRecord, fieldIndex_);
    records_.push_back(std::move(record_));
    record_.clear();
    fieldIndex_ = 0;
    nextColumn_ = 0;
    recordStarted_ = false;
    recordLine_ = line_;
    StartField();
}
