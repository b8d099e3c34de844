// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/character_advances.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QStringView>
#include <unordered_map>

// The glyphs of grapheme clusters in one font, each cluster laid out once and kept: drawing a
// cluster whose glyphs come from a fallback font then needs no new layout, which would look
// the glyphs up again (a colour glyph is decoded at every look). For the clusters that
// CharacterAdvances::MeasuredAlone accepts, which look the same wherever they stand.
class ClusterGlyphRuns {
public:
    explicit ClusterGlyphRuns(const QFont& font) : font_(font) {}

    // The runs of `cluster`, placed from the origin of its line's baseline.
    const QList<QGlyphRun>& Get(QStringView cluster);

private:
    QFont font_;
    std::unordered_map<QString, QList<QGlyphRun>, ClusterHash, std::equal_to<>> known_;
};
