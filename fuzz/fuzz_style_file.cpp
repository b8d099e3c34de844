// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a user's style file; a style that was read must be written and read
// back to the same style, and applying it must keep a table within its limits.
#include "content/style_file.h"
#include "content/table_style.h"
#include "model/document.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<TableStyle> style = StyleFromJson(bytes);
    if (!style) return 0;
    if (StyleFromJson(StyleJson(*style)) != style) abort();
    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 10;
    CreateTable(document, 3, 4, 2, 2, 0);
    ApplyTableStyle(document, *style);
    if (document.settings.lineThickness < 1 || document.settings.lineThickness > 5) abort();
    return 0;
}
