// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/cell_font.h"

#include <QString>
#include <cstdint>
#include <unordered_map>

// The fonts made during one redraw, one per distinct request, so that a table of cells with
// the same font builds it once. The fonts are the ones MakeCellFont returns.
class CellFontCache {
public:
    const CellFont& Get(const CellRecord& cell, int16_t characterSet, FontTurn turn);

private:
    struct Key {
        QString face;
        int16_t size = 0;
        int styles = 0;
        bool rotated = false;
        int16_t characterSet = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };
    std::unordered_map<Key, CellFont, KeyHash> fonts_;
    // The last font handed out; the map's entries stay where they are.
    const std::pair<const Key, CellFont>* last_ = nullptr;
};
