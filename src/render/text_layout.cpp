// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/text_layout.h"

#include "model/cell_record.h"
#include "render/drawing_surface.h"

#include <QVarLengthArray>
#include <algorithm>

namespace {

constexpr double kStretchThreshold = 0.8;

struct Split {
    QString head;
    QString tail;
};

qsizetype LeadingSpaces(const QString& text) {
    qsizetype count = 0;
    while (count < text.size() && text[count] == u' ')
        ++count;
    return count;
}

// Cuts a line where it stops fitting, at the last space at or before the first character
// that does not fit; the remainder keeps that space. Without such a space after the first
// character the line is empty and the whole text moves on, unless the first word is itself
// wider than the width: that word gets the line to itself and runs past the cell's edge
// rather than being pushed down line after line.
Split SplitLine(const DrawingSurface& surface, const QString& line, int availWidth) {
    const int fits = surface.FitCharacters(line, availWidth);
    if (fits >= line.size()) return {line, {}};
    const int cut = int(line.lastIndexOf(u' ', fits));
    if (cut >= 1) return {line.left(cut), line.mid(cut)};
    const qsizetype wordStart = LeadingSpaces(line);
    qsizetype wordEnd = line.indexOf(u' ', wordStart);
    if (wordEnd < 0) wordEnd = line.size();
    const QString word = line.mid(wordStart, wordEnd - wordStart);
    if (surface.FitCharacters(word, availWidth) >= word.size()) return {{}, line};
    return {line.left(wordEnd), line.mid(wordEnd)};
}

QString WithoutLeadingSpaces(const QString& text) {
    return text.mid(LeadingSpaces(text));
}

// The lines of BreakCellText into any list of strings.
template <typename Lines>
void BreakInto(const DrawingSurface& surface, const QString& text, int availWidth, Lines& lines) {
    const Split first = SplitLine(surface, text.left(kTextMaxUnits), availWidth);
    lines.append(first.head);
    lines.append(first.tail);
    // Only a remainder longer than the line above is split again; a shorter one stays whole,
    // leading space included, even when it is wider than the cell.
    while (lines.size() < kMaxTextLines && lines.last().size() > lines[lines.size() - 2].size()) {
        const Split split = SplitLine(surface, lines.last(), availWidth);
        lines.last() = WithoutLeadingSpaces(split.head);
        lines.append(WithoutLeadingSpaces(split.tail));
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
}

} // namespace

QStringList BreakCellText(const DrawingSurface& surface, const QString& text, int availWidth) {
    QStringList lines;
    BreakInto(surface, text, availWidth, lines);
    return lines;
}

PlacedLines PlaceCellText(const DrawingSurface& surface, const QString& text, Alignment alignment,
                          const TextBox& box) {
    PlacedLines placed;
    const QString shown = text.left(kTextMaxUnits);
    if (IsRotated(alignment)) {
        const TextExtent extent = surface.MeasureText(shown);
        const double x = box.x0 + box.availWidth / 2.0 + extent.height / 2.0;
        const double y = alignment == Alignment::RotatedTop
                             ? box.y0
                             : box.y0 + (box.availHeight - extent.width) / 2.0;
        if (!shown.isEmpty()) placed.push_back({shown, x, y});
        return placed;
    }
    if (!IsUpright(alignment)) return placed;

    QVarLengthArray<QString, 4> lines;
    BreakInto(surface, shown, box.availWidth, lines);
    // Most cells hold a line or two: their widths stay on the stack.
    QVarLengthArray<int, 8> widths;
    for (const QString& line : lines)
        widths.push_back(surface.MeasureText(line).width);
    const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    const int lineHeight = surface.LineHeight();

    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        PlacedLine line{lines[i], box.x0, box.y0 + double(i) * lineHeight};
        const int width = widths[i];
        switch (alignment) {
        case Alignment::Right:
            line.x = box.x0 + box.availWidth - width - kRightAlignGap;
            break;
        case Alignment::Centred:
            line.x = box.x0 + (box.availWidth - width) / 2.0;
            break;
        case Alignment::Justified:
            // Lines close to the widest are stretched to it; the end of a paragraph is not.
            if (width < widest && width >= kStretchThreshold * widest) {
                line.extraPixels = widest - width;
                line.spaces = int(line.text.count(u' '));
            }
            break;
        default:
            break;
        }
        placed.push_back(line);
    }
    return placed;
}

void LayOutCellText(DrawingSurface& surface, const QString& text, Alignment alignment,
                    const TextBox& box, const CellFont& font, int32_t textColour) {
    surface.SelectFont(font);
    surface.SetTextColour(textColour);
    for (const PlacedLine& line : PlaceCellText(surface, text, alignment, box)) {
        const bool stretched = line.extraPixels > 0 && line.spaces > 0;
        if (stretched) surface.SetTextJustification(line.extraPixels, line.spaces);
        surface.DrawText(line.x, line.y, line.text);
        if (stretched) surface.SetTextJustification(0, 0);
    }
}
