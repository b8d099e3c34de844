// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"
#include "content/table_style.h"

#include <QString>
#include <QStringList>
#include <optional>

// The styles quadrivel-cli knows: the built-in ones, then the user's own from `folder`. A
// damaged style file is named in `messages` and skipped.
std::vector<TableStyle> KnownStyles(const QString& folder, QStringList& messages);

// The style of that name; otherwise nothing, and `error` says so and lists the valid names.
std::optional<TableStyle> ChosenStyle(const QString& name, const QString& folder,
                                      QStringList& messages, QString& error);

// quadrivel-cli styles: the names, one a line, control characters escaped.
CliResult ListStyles(const QString& folder);
