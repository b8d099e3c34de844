#include "render/character_advances.h"

namespace {

// Distinct characters kept at most for one font; a full table holds far fewer.
constexpr size_t kMaxKnownCharacters = 1 << 14;

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

} // namespace

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

bool CharacterAdvances::Collect(QStringView text, QVarLengthArray<qint64, 64>& advances) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!MeasuredAlone(code)) return false; // an unpaired surrogate too
        auto found = known_.find(code);
        if (found == known_.end()) {
            if (known_.size() >= kMaxKnownCharacters) known_.clear();
            found = known_.emplace(code, measure_(code)).first;
        }
        advances.push_back(found->second);
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
