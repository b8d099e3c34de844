// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"
#include "model/status.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Asks the user for the password of a protected table; an empty text when the user gave up.
using PasswordQuestion = std::function<QString()>;

enum class WorkFileFormat { Current, Previous };

// True when the file exists and its length is a whole number of records.
bool IsWorkFile(const QString& path);
bool IsPreviousWorkFile(const QString& path);

// Replaces the document by the table in the file. On any failure (length, a record 1 that
// cannot describe a table, wrong or missing password) the document stays exactly as it was.
// The previous format keeps the document's title-bar and banding settings.
Status LoadWorkFile(const QString& path, Document& document, const PasswordQuestion& ask);
Status LoadPreviousWorkFile(const QString& path, Document& document, const PasswordQuestion& ask);
Status LoadWorkFileBytes(const QByteArray& bytes, WorkFileFormat format, Document& document,
                         const PasswordQuestion& ask);

// The opening rule of the command line: the current format when the length is a whole
// number of its records, else the previous format when it is one of those, else refused.
Status LoadAnyWorkFile(const QString& path, Document& document, const PasswordQuestion& ask);

// Writes the table, rows outer and columns inner. The old file stays whole until the new
// one is complete.
Status SaveWorkFile(const QString& path, const Document& document);
QByteArray WorkFileBytes(const Document& document);
