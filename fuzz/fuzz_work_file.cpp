// Reads arbitrary bytes as a work file of either format; whatever loads must save, and what
// was saved must read back to the same bytes.
#include "model/work_file.h"
#include "model/work_file_layout.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const WorkFileFormat format = data[0] & 1 ? WorkFileFormat::Previous : WorkFileFormat::Current;
    const size_t recordSize = format == WorkFileFormat::Current ? kRecordSize : kPreviousRecordSize;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    // Mostly whole records, so the parser is reached; sometimes the raw length.
    if (data[0] & 2)
        bytes.append(QByteArray(
            qsizetype((recordSize - size_t(bytes.size()) % recordSize) % recordSize), '\0'));

    Document document;
    const PasswordQuestion ask = [] { return QStringLiteral("pw"); };
    if (!LoadWorkFileBytes(bytes, format, document, ask).ok()) return 0;

    // Saving normalises what a stray file may hold (text cut to its field, record 1 made to
    // describe the table); from then on a file we wrote reads back to exactly itself.
    Document normalised;
    if (!LoadWorkFileBytes(WorkFileBytes(document), WorkFileFormat::Current, normalised, ask).ok())
        abort();
    const QByteArray saved = WorkFileBytes(normalised);
    Document again;
    if (!LoadWorkFileBytes(saved, WorkFileFormat::Current, again, ask).ok()) abort();
    if (WorkFileBytes(again) != saved) abort();
    return 0;
}
