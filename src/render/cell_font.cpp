// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cell_font.h"

#include "model/cell_record.h"
#include "render/picture.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxFaceLength = 31;
constexpr int kZeroSizePoints = 8;
// Size at which a face's line height is measured to turn a line height into a glyph size.
constexpr int kProbePixels = 1000;

// With `leading` the requested size is the whole line height (ascent + descent); Qt asks
// for the em size, so scale by the face's own proportion.
int EmForLineHeight(const QFont& font, int lineHeight) {
    QFont probe = font;
    probe.setPixelSize(kProbePixels);
    const QFontMetricsF metrics(probe);
    const double perEm = (metrics.ascent() + metrics.descent()) / kProbePixels;
    if (perEm <= 0) return lineHeight;
    return std::max(1, int(std::lround(lineHeight / perEm)));
}

// Glyphs missing from the face are looked for first in a family of the table's script.
void AddWritingSystemFallback(QFont& font, const QString& face, int16_t characterSet) {
    const QFontDatabase::WritingSystem system = WritingSystemForCharacterSet(characterSet);
    if (system == QFontDatabase::Any) return;
    const QString resolved = QFontInfo(font).family();
    if (QFontDatabase::writingSystems(resolved).contains(system)) return;
    const QStringList candidates = QFontDatabase::families(system);
    if (candidates.isEmpty()) return;
    font.setFamilies({face.isEmpty() ? resolved : face, candidates.first()});
}

} // namespace

int PointsToPixels(int points) {
    return int(std::lround(points * double(kDotsPerInch) / 72.0));
}

bool IsRotatedFont(Alignment alignment, FontTurn turn) {
    return turn == FontTurn::ByAlignment && IsRotated(alignment);
}

QFontDatabase::WritingSystem WritingSystemForCharacterSet(int16_t characterSet) {
    switch (characterSet) {
    case 2:
        return QFontDatabase::Symbol;
    case 128:
        return QFontDatabase::Japanese;
    case 129:
    case 130:
        return QFontDatabase::Korean;
    case 134:
        return QFontDatabase::SimplifiedChinese;
    case 136:
        return QFontDatabase::TraditionalChinese;
    case 161:
        return QFontDatabase::Greek;
    case 162:
    case 186:
    case 238:
        return QFontDatabase::Latin;
    case 163:
        return QFontDatabase::Vietnamese;
    case 177:
        return QFontDatabase::Hebrew;
    case 178:
        return QFontDatabase::Arabic;
    case 204:
        return QFontDatabase::Cyrillic;
    case 222:
        return QFontDatabase::Thai;
    default:
        return QFontDatabase::Any; // ANSI, default, OEM and unknown codes
    }
}

CellFont MakeCellFont(const CellRecord& cell, int16_t characterSet, FontTurn turn) {
    CellFont result;
    result.rotated = IsRotatedFont(cell.alignment, turn);
    result.characterSet = result.rotated ? kDefaultCharacterSet : characterSet;

    const QString face = cell.fontName.trimmed().left(kMaxFaceLength);
    const int points = cell.fontSize == 0 ? kZeroSizePoints : std::abs(int(cell.fontSize));
    const int pixels = std::max(1, PointsToPixels(points));

    QFont& font = result.font;
    if (!face.isEmpty()) font.setFamilies({face});
    font.setWeight(cell.bold == 1 ? QFont::Bold : QFont::Normal);
    font.setItalic(cell.italic == 1);
    font.setUnderline(cell.underline == 1);
    font.setStrikeOut(cell.strikeout == 1);
    // Whole-pixel advances, no kerning: a line is as wide as the sum of its characters, so
    // measuring, fitting and justifying agree with what is drawn.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(pixels);
    if (cell.leading == 1) font.setPixelSize(EmForLineHeight(font, pixels));
    AddWritingSystemFallback(font, face, result.characterSet);
    return result;
}
