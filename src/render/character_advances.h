#pragma once

#include <QFont>
#include <QStringView>
#include <QVarLengthArray>
#include <functional>
#include <unordered_map>

// The advances of characters in one font, measured one character at a time and kept: a
// character the font lacks is measured through a layout that looks for it in the fallback
// fonts, which is slow, so each is measured once. Only fonts that lay text out without
// shaping or kerning qualify (LaysOutCharacterByCharacter); then a line of characters that
// MeasuredAlone accepts is exactly as wide as the sum of their advances.
class CharacterAdvances {
public:
    // The advance of one code point in 64ths of a pixel, as the text layout gives it.
    using Measure = std::function<qint64(char32_t)>;
    explicit CharacterAdvances(Measure measure) : measure_(std::move(measure)) {}

    // Appends the advance of each code point of `text`; false (and `advances` unfinished)
    // when a character changes with its neighbours and the text must be laid out whole.
    bool Collect(QStringView text, QVarLengthArray<qint64, 64>& advances);

    // Code points whose width never depends on the characters around them in such a font:
    // printable, no mark, joiner or selector, in a script that is drawn unshaped.
    static bool MeasuredAlone(char32_t code);

private:
    Measure measure_;
    std::unordered_map<char32_t, qint64> known_;
};

// Whether `font` lays text out one character after another, with neither shaping nor kerning
// nor added spacing.
bool LaysOutCharacterByCharacter(const QFont& font);

// Pixels as the text layout rounds a width in 64ths.
int RoundedPixels(qint64 sixtyFourths);

// How many UTF-16 units from the start of `text`, whole code points only, fit within `width`
// pixels, given the advance of each of its code points.
int FittingUnits(QStringView text, const QVarLengthArray<qint64, 64>& advances, int width);
