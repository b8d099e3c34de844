// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <functional>
#include <unordered_map>

// The advances of a code point, or of each code point of one grapheme cluster, in 64ths of a
// pixel as the text layout gives them.
using ClusterAdvances = QVarLengthArray<qint64, 4>;

// Hashes strings and views alike, so that maps keyed by clusters find them without a copy.
struct ClusterHash {
    using is_transparent = void;
    size_t operator()(QStringView cluster) const { return qHash(cluster); }
};

// The advances of characters in one font, measured one grapheme cluster at a time and kept: a
// character the font lacks is measured through a layout that looks for it in the fallback
// fonts, which is slow (a colour glyph is decoded at every look), so each cluster is measured
// once. Only fonts that lay text out without shaping or kerning qualify
// (LaysOutCharacterByCharacter); then a line of clusters that MeasuredAlone accepts is exactly
// as wide as the sum of their advances, and each code point keeps the advance it has inside
// its cluster, so fitting may stop between them as the layout's own prefixes do.
class CharacterAdvances {
public:
    // The advance of each code point of a cluster laid out on its own.
    using Measure = std::function<ClusterAdvances(QStringView cluster)>;
    explicit CharacterAdvances(Measure measure) : measure_(std::move(measure)) {}

    // Appends the advance of each code point of `text`, and where given the UTF-16 offset at
    // which each of its clusters ends; false (and both unfinished) when a character changes
    // with its neighbours and the text must be laid out whole.
    bool Collect(QStringView text, QVarLengthArray<qint64, 64>& advances,
                 QVarLengthArray<qsizetype, 64>* clusterEnds = nullptr);

    // Code points whose width never depends on the characters around them in such a font:
    // printable, no mark, joiner or selector, in a script that is drawn unshaped.
    static bool MeasuredAlone(char32_t code);
    // Clusters that keep their widths wherever they stand: a code point MeasuredAlone
    // accepts, followed only by such code points or by marks, joiners, selectors, emoji
    // modifiers and tags that take their script from it.
    static bool MeasuredAlone(QStringView cluster);

private:
    Measure measure_;
    std::unordered_map<QString, ClusterAdvances, ClusterHash, std::equal_to<>> known_;
};

// The code point at `index`, a surrogate pair read whole; `index` moves past it.
char32_t CodePointAt(QStringView text, qsizetype& index);

// Whether `font` lays text out one character after another, with neither shaping nor kerning
// nor added spacing.
bool LaysOutCharacterByCharacter(const QFont& font);

// Pixels as the text layout rounds a width in 64ths.
int RoundedPixels(qint64 sixtyFourths);

// How many UTF-16 units from the start of `text`, whole code points only, fit within `width`
// pixels, given the advance of each of its code points.
int FittingUnits(QStringView text, const QVarLengthArray<qint64, 64>& advances, int width);
