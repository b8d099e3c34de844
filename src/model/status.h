// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>

// The outcome of reading or writing outside data: a code the callers act on and a text that
// says what went wrong and where.
enum class StatusCode {
    Ok,
    Unreadable,    // the file is missing or cannot be read
    WrongLength,   // the length fits no record size
    NotATable,     // record 1 cannot describe a table
    WrongPassword, // protected table, no or wrong password
    WriteFailed,   // the file could not be written
};

struct Status {
    Status(StatusCode code = StatusCode::Ok, QString detail = {})
        : code(code), detail(std::move(detail)) {}

    StatusCode code;
    QString detail;
    // A load that succeeded although the file lacked records for this many cells of its table;
    // they were made as a new table's cells.
    int missingCells = 0;
    // Something a success should tell the user, such as data that was left unread.
    QString warning;

    bool ok() const { return code == StatusCode::Ok; }
    static Status Success() { return {}; }
};
