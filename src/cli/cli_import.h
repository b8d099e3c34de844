#pragma once

#include "cli/cli_command.h"

// quadrivel-cli import DATA OUT.qdvl [--cell-size WxH] [--delimiter C] [--style NAME]
// [--rows N] [--columns LIST]: a work file of a new table filled with a CSV or TSV file (its
// first N records, its listed columns), in the style of that name among the built-in ones and
// the user's in `stylesFolder`. Data the table cannot hold whole is refused (exit 3), never
// cut; the file is read only as far as the answer needs. arguments exclude the program name
// and start with "import".
CliResult RunImport(const QStringList& arguments, const QString& usage,
                    const QString& stylesFolder);
