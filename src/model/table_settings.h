// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The table-wide values with their start values.
struct TableSettings {
    int16_t columnCount = 0;
    int16_t rowCount = 0;
    int16_t gridCellWidth = 0;
    int16_t gridCellHeight = 0;
    int16_t separatorPixels = 0;
    int32_t lineThickness = 1;
    int32_t lineColour = 0;
    int32_t pageColour = 0xFFFFFF;
    int32_t horizontalTitleBar = 0;
    int32_t verticalTitleBar = 0;
    int32_t horizontalBarFill = 0xFFFFFF;
    int32_t verticalBarFill = 0xFFFFFF;
    int32_t horizontalBarBorder = 0;
    int32_t verticalBarBorder = 0;
    int32_t horizontalLinesWithCellAreas = 0;
    int32_t verticalLinesWithCellAreas = 0;
    int32_t passwordSet = 0;
    QString password;
    int32_t tableRetouched = 0;

    bool operator==(const TableSettings&) const = default;
};

// The password that protects the table: the trimmed password while passwordSet is 1 and it
// is not empty, otherwise an empty text (the table is not protected).
QString ProtectingPassword(const TableSettings& settings);
