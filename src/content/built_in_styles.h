// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/table_style.h"

#include <QString>
#include <vector>

// The styles every Quadrivel knows, by their command-line names, in gallery order.
const std::vector<TableStyle>& BuiltInStyles();
bool IsBuiltInStyleName(const QString& name);
