// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// quadrivel-cli import DATA OUT.qdvl [--cell-size WxH] [--delimiter C] [--style NAME]
// [--rows N] [--columns LIST]: a work file of a new table filled with a CSV or TSV file (its
// first N records, its listed columns), in the style of that name among the built-in ones and
// the user's in `stylesFolder`. Data the table cannot hold whole is refused (exit 3), never
// cut; the file is read only as far as the answer needs. arguments exclude the program name
// and start with "import".
//
// quadrivel-cli fill TABLE DATA OUT.qdvl [--at COL,ROW] [--rows N] [--columns LIST] [--grow]
// [--clear-rest] (arguments starting with "fill"): the table's texts refreshed from the data
// read the same way, every look of the table kept; more data rows than the table has are
// refused (exit 3) unless --grow. `password` opens a protected table.
CliResult RunImport(const QStringList& arguments, const QString& usage, const QString& stylesFolder,
                    const QString& password = {});
