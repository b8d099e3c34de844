// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <cstdint>

struct CellRecord;
enum class Alignment : int16_t;

// The font of one cell as the text layout uses it.
struct CellFont {
    QFont font;
    // The text runs downwards, turned 90 degrees clockwise (the rotated alignments).
    bool rotated = false;
    // The character-set code the font was requested with; a hint for glyph coverage.
    int16_t characterSet = 0;
};

// The character-set code that rotated fonts use whatever the table's setting.
inline constexpr int16_t kDefaultCharacterSet = 1;

enum class FontTurn { ByAlignment, Upright };

// Whether a cell's font is rotated: the rotated alignments, except in title bars.
bool IsRotatedFont(Alignment alignment, FontTurn turn);

// Builds a cell's font: face trimmed and cut to 31 characters, size in points at 96 dots per
// inch (0 means 8), weight, italic, underline, strikeout; with `leading` the size is asked as
// the whole line height so the glyphs come out smaller. The rotated alignments rotate the
// font unless `turn` is Upright (title bars).
CellFont MakeCellFont(const CellRecord& cell, int16_t characterSet,
                      FontTurn turn = FontTurn::ByAlignment);

// The writing system a character-set code stands for, or Any when it names none.
QFontDatabase::WritingSystem WritingSystemForCharacterSet(int16_t characterSet);

// Pixel height of a size in points at 96 dots per inch, rounded.
int PointsToPixels(int points);
