// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/table_style.h"

#include <QString>

struct Document;

// The look of the table as a style of that name: its header row, its first two body rows as
// the bands, its last row and its first column where they differ from the bands, its lines
// and its horizontal title bar.
TableStyle StyleOfTable(const Document& document, const QString& name);
