// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

#include <functional>

struct Document;

// Reads `file` (opened with `password`) as the editor holds it after opening, lets `change`
// work on the table and writes the table to `out`. A failed read or write is the result, as is
// a change that fails (a non-zero exit code), which leaves `out` unwritten; else the change's
// result, whose messages survive a failed write.
CliResult ChangeWorkFile(const QString& file, const QString& out, const QString& password,
                         const std::function<CliResult(Document&)>& change);
