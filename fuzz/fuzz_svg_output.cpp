// SPDX-License-Identifier: GPL-3.0-or-later
// Cell texts and font names come from work files and shared styles: exports a small table made
// of them as SVG. Whatever they hold, the file must be well-formed XML with no script and no
// event attribute.
#include "content/clock.h"
#include "model/document.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/table_renderer.h"
#include "render/vector_cut.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class QuietSink final : public MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

// Fields of the input are separated by this character, which the texts then never hold.
constexpr char16_t kFieldSeparator = 0x001E;
constexpr int kMaxSide = 4;

void CheckSvg(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name().compare(QLatin1String("script"), Qt::CaseInsensitive) == 0) abort();
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            if (attribute.name().startsWith(QLatin1String("on"), Qt::CaseInsensitive)) abort();
    }
    if (reader.hasError()) abort();
}

} // namespace

// fontconfig keeps what it has read until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Two bytes give the table's counts; the rest, read as UTF-16 (unpaired surrogates and
    // controls included), alternate texts and font names from cell to cell.
    const int columns = 1 + data[0] % kMaxSide, rows = 1 + data[1] % kMaxSide;
    QString units((size - 2) / 2, QChar());
    std::memcpy(units.data(), data + 2, size_t(units.size()) * 2);
    const QStringList fields = units.split(QChar(kFieldSeparator));

    Document document;
    document.settings.gridCellWidth = 40;
    document.settings.gridCellHeight = 20;
    CreateTable(document, columns, rows, 0, 0, 0);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        CellRecord& cell = document.cell(int(i / 2 % columns), int(i / 2 / columns % rows));
        if (i % 2 == 0) {
            cell.text = fields[i].left(273);
            cell.alignment = Alignment(int(Alignment::Left) + i / 2 % 6);
        } else {
            cell.fontName = fields[i].left(31);
        }
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const FixedClock clock(QDate(2025, 6, 15));
    QuietSink sink;
    ImageReportMemory reports;
    RenderOptions options;
    options.originX = options.originY = 0;
    SettleForDrawing(document, options, clock);
    const QString failure =
        WriteVectorCut(buffer, VectorFormat::Svg, QSize(columns * 44, rows * 24), false, document,
                       options, sink, reports);
    if (!failure.isEmpty()) abort();
    CheckSvg(buffer.data());
    return 0;
}
