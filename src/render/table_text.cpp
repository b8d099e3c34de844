// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/table_text.h"

#include "content/number_format.h"
#include "content/table_extent.h"
#include "model/document.h"
#include "render/table_spans.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

using Rows = std::vector<QStringList>;

bool IsEmpty(const CellBlock& block) {
    return block.lastColumn < block.firstColumn || block.lastRow < block.firstRow;
}

// The block within the table; the whole table for an empty one.
CellBlock Within(const Document& document, const CellBlock& block) {
    const CellBlock table{0, 0, TableColumnCount(document) - 1, TableRowCount(document) - 1};
    if (IsEmpty(block)) return table;
    return {std::max(block.firstColumn, 0), std::max(block.firstRow, 0),
            std::min(block.lastColumn, table.lastColumn), std::min(block.lastRow, table.lastRow)};
}

// The text a cell shows on its own: a covered or cancelled cell shows none.
QString OwnText(const CellRecord& cell, const QString& decimalMask) {
    if (cell.cellState == kCellCancelled || cell.joinState != kJoinNone) return {};
    return ShownText(cell, decimalMask);
}

Rows ShownRows(const Document& document, const QString& decimalMask, const CellBlock& block) {
    Rows rows;
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        QStringList texts;
        for (int column = block.firstColumn; column <= block.lastColumn; ++column)
            texts.append(OwnText(document.cell(column, row), decimalMask));
        rows.push_back(texts);
    }
    return rows;
}

// A field of comma-separated values, quoted when it holds a comma, a quote or a line end.
QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Separated(const Rows& rows, TableTextFormat format) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& text : row) {
            if (format == TableTextFormat::Csv) {
                fields.append(CsvField(text));
            } else {
                // A tab or line end inside a text would start another cell or row.
                QString plain = text;
                plain.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
                fields.append(plain);
            }
        }
        out += fields.join(format == TableTextFormat::Csv ? u',' : u'\t') + u'\n';
    }
    return out;
}

QString MarkdownCell(const QString& text) {
    QString cell = text;
    cell.replace(u'\\', QStringLiteral("\\\\")).replace(u'|', QStringLiteral("\\|"));
    return cell;
}

// The first row is the header: Markdown tables have one.
QString Markdown(const Rows& rows) {
    QString out;
    for (size_t index = 0; index < rows.size(); ++index) {
        QStringList cells;
        for (const QString& text : rows[index])
            cells.append(MarkdownCell(text));
        out += QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
        if (index == 0)
            out += QStringLiteral("|") +
                   QStringLiteral(" --- |").repeated(qsizetype(rows[0].size())) + u'\n';
    }
    return out;
}

QString Html(const Document& document, const QString& decimalMask, const CellBlock& block) {
    const TableSpans spans = ComputeSpans(document);
    QString out = QStringLiteral("<table>\n");
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        out += QStringLiteral("<tr>");
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            const CellRecord& cell = document.cell(column, row);
            // A covered cell is part of its owner's cell, unless the block cuts it off.
            const bool cutOff = (cell.joinState == kJoinedLeft && column == block.firstColumn) ||
                                (cell.joinState == kJoinedAbove && row == block.firstRow);
            if (cell.joinState != kJoinNone && !cutOff) continue;
            out += QStringLiteral("<td");
            // A span is cut where the block ends.
            const int across =
                std::min<int>(spans.right.at(column, row), block.lastColumn - column);
            const int down = std::min<int>(spans.down.at(column, row), block.lastRow - row);
            if (across > 0) out += QStringLiteral(" colspan=\"%1\"").arg(across + 1);
            if (down > 0) out += QStringLiteral(" rowspan=\"%1\"").arg(down + 1);
            out += u'>' + OwnText(cell, decimalMask).toHtmlEscaped() + QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</table>\n");
}

// Row by row, the row's texts joined, empty cells left out; empty rows left out.
QString Reading(const Rows& rows) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList said;
        for (const QString& text : row)
            if (!text.trimmed().isEmpty()) said.append(text.trimmed());
        if (!said.isEmpty()) out += said.join(QStringLiteral(", ")) + QStringLiteral(".\n");
    }
    return out;
}

} // namespace

QString TableText(const Document& document, const QString& decimalMask, TableTextFormat format,
                  const CellBlock& block) {
    const CellBlock within = Within(document, block);
    if (IsEmpty(within)) return {};
    if (format == TableTextFormat::Html) return Html(document, decimalMask, within);
    const Rows rows = ShownRows(document, decimalMask, within);
    switch (format) {
    case TableTextFormat::Markdown:
        return Markdown(rows);
    case TableTextFormat::Reading:
        return Reading(rows);
    default:
        return Separated(rows, format);
    }
}

CellBlock SelectedBlock(const Document& document) {
    CellBlock block{kGridCapacity, kGridCapacity, -1, -1};
    for (int row = 0; row < TableRowCount(document); ++row)
        for (int column = 0; column < TableColumnCount(document); ++column)
            if (document.cell(column, row).selected == 1) {
                block.firstColumn = std::min(block.firstColumn, column);
                block.firstRow = std::min(block.firstRow, row);
                block.lastColumn = std::max(block.lastColumn, column);
                block.lastRow = std::max(block.lastRow, row);
            }
    return IsEmpty(block) ? CellBlock{} : block;
}
