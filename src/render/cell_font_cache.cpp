// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_font_cache.h"

#include "model/cell_record.h"

#include <QHashFunctions>

size_t CellFontCache::KeyHash::operator()(const Key& key) const {
    return qHashMulti(0, key.face, key.size, key.styles, key.rotated, key.characterSet);
}

const CellFont& CellFontCache::Get(const CellRecord& cell, int16_t characterSet, FontTurn turn) {
    const bool rotated = IsRotatedFont(cell.alignment, turn);
    // The style word: 1 bold, 2 italic, 4 underline, 8 strikeout, 16 leading.
    const int styles = (cell.bold == 1 ? 1 : 0) | (cell.italic == 1 ? 2 : 0) |
                       (cell.underline == 1 ? 4 : 0) | (cell.strikeout == 1 ? 8 : 0) |
                       (cell.leading == 1 ? 16 : 0);
    const Key key{cell.fontName, cell.fontSize, styles, rotated, characterSet};
    // Cell after cell asks for the font of the one before: that answer is checked first.
    if (last_ && last_->first == key) return last_->second;
    auto found = fonts_.find(key);
    if (found == fonts_.end())
        found = fonts_.emplace(key, MakeCellFont(cell, characterSet, turn)).first;
    last_ = &*found;
    return found->second;
}
