// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

#include <optional>

struct CellRange;
struct ColourRule;

// quadrivel-cli colour FILE OUT.qdvl [--cells C1:R1-C2:R2] (--scale LOW[,MID],HIGH | --scale
// NAME) [--middle VALUE] | --rule COND --fill COLOUR [--text COLOUR] [--bold]) (arguments
// starting with "colour"): the number cells of the range (the table without its title bars
// unless given) coloured by their value, written to OUT. `passwordVariable` opens a protected
// table when no password option is given.
CliResult RunColour(const QStringList& arguments, const QString& usage,
                    const QString& passwordVariable);

// "C1:R1-C2:R2", columns and rows from 1, corners in either order.
std::optional<CellRange> ParseCellRange(const QString& text);
// ">N", "<N", "=N" or "A..B" (A up to B), the numbers written with "." as decimal point; the
// colours are left to the caller.
std::optional<ColourRule> ParseRuleCondition(const QString& text);
