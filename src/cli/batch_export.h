// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

#include <QString>
#include <QStringList>
#include <functional>

// The file a batch export writes for `input`: DIR/NAME.EXT, NAME the input's file name without
// its last extension.
QString BatchOutputPath(const QString& outDir, const QString& input, const QString& extension);

// Exports one input to one output; safe to call from several threads at once.
using ExportOne = std::function<CliResult(const QString& input, const QString& output)>;

// Exports every input to its BatchOutputPath on up to `jobs` threads (1: one after the other
// in the calling thread). An input whose output an earlier input already takes is refused, so
// that no picture silently replaces another. One failure stops nothing else: the result holds
// every input's messages and failure, in the inputs' order and each led by its input's name,
// and the worst exit code of them all.
CliResult RunBatchExport(const QStringList& inputs, const QString& outDir, const QString& extension,
                         int jobs, const ExportOne& exportOne);
