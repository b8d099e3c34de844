// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// quadrivel-cli sort FILE OUT.qdvl --by COL[:desc] [--by COL[:desc]] [--header] (arguments
// starting with "sort"): the rows of the table's body (below a first header row with
// --header) in the order of the columns, numbered from 1; texts by the collation of the
// system's language. A joined block across the sorted rows refuses (exit 3). `password`
// opens a protected table.
CliResult RunSort(const QStringList& arguments, const QString& usage, const QString& password);
