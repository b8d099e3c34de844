// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// quadrivel-cli replace FILE OUT.qdvl --find TEXT --with TEXT [--match-case] [--whole-cell]
// (arguments starting with "replace"): every match in what the cells store (a series
// command, a number as typed) replaced, as the editor's Replace all does. Cells the new text
// would take past a cell's length are left and told. `password` opens a protected table.
CliResult RunReplace(const QStringList& arguments, const QString& usage, const QString& password);
