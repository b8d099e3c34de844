// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/image_report_memory.h"

#include "model/document.h"
#include "render/cell_image.h"

#include <algorithm>
#include <iterator>

namespace {

int CellKey(int column, int row) {
    return column * kGridCapacity + row;
}

} // namespace

void ImageReportMemory::ForgetChangedCells(const Document& document) {
    for (auto entry = reported_.begin(); entry != reported_.end();) {
        const int column = entry.key() / kGridCapacity, row = entry.key() % kGridCapacity;
        const bool unchanged =
            document.InTable(column, row) &&
            document.cell(column, row).backColour == kImageCellMarker &&
            ParseImageSpec(document.cell(column, row).imageSpec).path == entry.value();
        entry = unchanged ? std::next(entry) : reported_.erase(entry);
    }
}

bool ImageReportMemory::ShouldReport(int column, int row, const QString& path) {
    const int key = CellKey(column, row);
    const auto found = reported_.constFind(key);
    if (found != reported_.constEnd() && *found == path) return false;
    const bool toldElsewhere =
        std::find(reported_.cbegin(), reported_.cend(), path) != reported_.cend();
    reported_.insert(key, path);
    return !toldElsewhere;
}
