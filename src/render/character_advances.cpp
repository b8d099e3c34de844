// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/character_advances.h"

#include <QTextBoundaryFinder>

namespace {

// Distinct clusters kept at most for one font; a full table holds far fewer.
constexpr size_t kMaxKnownClusters = 1 << 14;
// Texts up to this length find their clusters without a trip to the heap.
constexpr qsizetype kFinderBufferSize = 512;

// Scripts the layout draws without shaping when the font prefers none; text in any other
// script (or whose common characters take such a script from their neighbours) is laid out
// whole.
bool IsUnshapedScript(QChar::Script script) {
    switch (script) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return true;
    default:
        return false;
    }
}

// Marks, joiners, selectors, emoji modifiers and tags that follow a base character in its
// cluster without a script of their own.
bool ExtendsCluster(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Symbol_Modifier:
        break;
    default:
        return false;
    }
    const QChar::Script script = QChar::script(code);
    return script == QChar::Script_Inherited || script == QChar::Script_Common;
}

} // namespace

char32_t CodePointAt(QStringView text, qsizetype& index) {
    const QChar unit = text[index++];
    if (unit.isHighSurrogate() && index < text.size() && text[index].isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text[index++]);
    return unit.unicode();
}

bool CharacterAdvances::MeasuredAlone(QStringView cluster) {
    qsizetype i = 0;
    if (cluster.isEmpty() || !MeasuredAlone(CodePointAt(cluster, i))) return false;
    while (i < cluster.size()) {
        const char32_t code = CodePointAt(cluster, i);
        if (!MeasuredAlone(code) && !ExtendsCluster(code)) return false;
    }
    return true;
}

bool CharacterAdvances::MeasuredAlone(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Other:
    case QChar::Separator_Space:
        break;
    default: // marks, modifiers, joiners, selectors, controls, unassigned
        return false;
    }
    return IsUnshapedScript(QChar::script(code));
}

bool CharacterAdvances::Collect(QStringView text, QVarLengthArray<qint64, 64>& advances,
                                QVarLengthArray<qsizetype, 64>* clusterEnds) {
    // The finder takes its own room for texts the buffer cannot hold.
    unsigned char buffer[kFinderBufferSize];
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text, buffer, kFinderBufferSize);
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = finder.toNextBoundary();
        if (end <= start) return false;
        const QStringView cluster = text.sliced(start, end - start);
        if (!MeasuredAlone(cluster)) return false; // an unpaired surrogate too
        auto found = known_.find(cluster);
        if (found == known_.end()) {
            if (known_.size() >= kMaxKnownClusters) known_.clear();
            found = known_.emplace(cluster.toString(), measure_(cluster)).first;
        }
        advances.append(found->second.constData(), found->second.size());
        if (clusterEnds) clusterEnds->push_back(end);
        start = end;
    }
    return true;
}

bool LaysOutCharacterByCharacter(const QFont& font) {
    return (font.styleStrategy() & QFont::PreferNoShaping) && !font.kerning() &&
           font.letterSpacing() == 0 && font.wordSpacing() == 0 &&
           font.capitalization() == QFont::MixedCase;
}

int RoundedPixels(qint64 sixtyFourths) {
    return int((sixtyFourths + 32) >> 6);
}

int FittingUnits(QStringView text, const QVarLengthArray<qint64, 64>& advances, int width) {
    qint64 sum = 0;
    qsizetype units = 0;
    for (const qint64 advance : advances) {
        sum += advance;
        if (RoundedPixels(sum) > width) break;
        units += text[units].isHighSurrogate() ? 2 : 1;
    }
    return int(units);
}
