// SPDX-License-Identifier: GPL-3.0-or-later
// Cell texts and operation descriptors come from work files: runs them through every part of
// the content engine. Checks the properties that must hold for any text: a restored command is
// the one typed, a descriptor written from decoded settings is written again unchanged, and
// numbers are shown only with digits, signs, separators and the exponent. The table is made
// once; each input puts back only its 5 x 5 cells, so an input costs what its table costs.
#include "content/clock.h"
#include "content/leading_number.h"
#include "content/number_format.h"
#include "content/operation_descriptor.h"
#include "content/operations.h"
#include "content/series_classify.h"
#include "content/series_evaluation.h"
#include "model/document.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kSide = 5;

Document SmallTable() {
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTable(document, kSide, kSide, 2, 2, 0);
    return document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).left(273);
    const FixedClock clock(QDate(2025, 6, 15));

    static const Document empty = SmallTable();
    static Document document = empty;
    document.settings = empty.settings;
    document.extentRight = empty.extentRight;
    document.extentBottom = empty.extentBottom;
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            document.cell(column, row) = empty.cell(column, row);
            document.commands.at(column, row).clear();
        }
    }
    for (int row = 0; row < 5; ++row) {
        document.cell(row, row).text = text;
        document.cell(4 - row, row).operationDescriptor = text.left(11);
        document.cell(0, row).text = QString::number(row * 7) + text.right(2);
    }
    const SeriesKind kind = ClassifySeries(text);
    if (kind < SeriesKind::OrdinaryText || kind > kLastSeriesKind) abort();
    EvaluateNewSeries(document, clock);
    ReevaluateSeries(document, clock);
    RecomputeOperations(document);
    RestoreCommands(document);
    if (Generates(kind) && document.cell(1, 1).text != text) abort();

    // Numbers that do not fit their positions are changed once by encoding; from then on a
    // descriptor and its settings stay the same.
    const std::optional<QString> encoded =
        EncodeOperationDescriptor(DecodeOperationDescriptor(text.left(11)));
    if (encoded && EncodeOperationDescriptor(DecodeOperationDescriptor(*encoded)) != encoded)
        abort();

    // Made once: a view of a literal measures it on each construction.
    static constexpr QStringView kShownCharacters = u"0123456789.,'-";
    static constexpr QStringView kWrittenCharacters = u"0123456789.-+e";
    const long double value = ReadLeadingNumber(text);
    for (int code = 1; code <= 7; ++code) {
        const QString shown = FormatNumber(value, code, BuildDecimalMask(int(size % 9)));
        for (const QChar c : shown)
            if (!kShownCharacters.contains(c)) abort();
    }
    const QString written = WriteNumber(value);
    for (const QChar c : written)
        if (!kWrittenCharacters.contains(c)) abort();
    NormaliseTypedText(text);
    return 0;
}
