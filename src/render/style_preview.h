// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class Clock;
struct Document;
struct RenderOptions;
struct TableStyle;

// The rows and columns of the table a style preview shows at most.
inline constexpr int kPreviewColumns = 5;
inline constexpr int kPreviewRows = 6;

// The table's first rows and columns in the style, drawn by the table renderer as the export
// cuts them, `scale` device pixels to a pixel for sharp screens. The table itself is not
// touched; pictures that cannot be read are left out without a word (the table's own redraw
// reports them).
QImage StylePreview(const Document& document, const TableStyle& style, const RenderOptions& options,
                    const Clock& clock, int scale = 1);
