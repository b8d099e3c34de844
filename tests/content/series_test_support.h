// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/clock.h"
#include "content/series_evaluation.h"
#include "fixtures/table_builder.h"
#include "qstring_printer.h"

#include <QStringList>
#include <initializer_list>

// Series tests run on 15 June 2025, a Sunday.
inline const FixedClock& TestClock() {
    static const FixedClock clock(QDate(2025, 6, 15));
    return clock;
}

// Both series passes, as every redraw runs them.
inline void RunSeries(Document& document, const Clock& clock = TestClock()) {
    EvaluateNewSeries(document, clock);
    ReevaluateSeries(document, clock);
}

inline QStringList Texts(std::initializer_list<const char16_t*> texts) {
    QStringList list;
    for (const char16_t* text : texts)
        list.append(QString::fromUtf16(text));
    return list;
}

inline QStringList RowTexts(const Document& document, int row, int fromColumn = 0) {
    QStringList list;
    for (int column = fromColumn; column < document.settings.columnCount; ++column)
        list.append(document.cell(column, row).text);
    return list;
}

inline QStringList ColumnTexts(const Document& document, int column, int fromRow = 0) {
    QStringList list;
    for (int row = fromRow; row < document.settings.rowCount; ++row)
        list.append(document.cell(column, row).text);
    return list;
}

inline Document TableWithCommand(int columns, int rows, int column, int row,
                                 const char16_t* command) {
    Document document = MakeTable(columns, rows);
    document.cell(column, row).text = QString::fromUtf16(command);
    return document;
}

inline constexpr int32_t kRed = 0x0000FF;
