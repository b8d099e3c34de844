#pragma once

#include "cli/cli_command.h"

// quadrivel-cli import DATA OUT.qdvl [--cell-size WxH] [--delimiter C] [--style NAME]: a work
// file of a new table filled with a CSV or TSV file, in the style of that name among the
// built-in ones and the user's in `stylesFolder`. Data the table cannot hold whole is refused
// (exit 3), never cut. arguments exclude the program name and start with "import".
CliResult RunImport(const QStringList& arguments, const QString& usage,
                    const QString& stylesFolder);
