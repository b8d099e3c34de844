// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as work-file records.
//
// Every input goes to the record's packed text fields, decoded as the reader decodes them:
// what one field gives must pack and unpack to itself once normalised. Loading a table builds
// a whole 111 x 111 grid, which costs milliseconds, so only one input in 128 (by a hash of
// the input) is also read as a whole work file of either format: whatever loads must save,
// and what was saved must read back to the same bytes. Those tables are kept small (record
// 1's counts folded into 1..3) unless the control byte asks for the counts as they stand.
#include "model/field_packing.h"
#include "model/windows1252.h"
#include "model/work_file.h"
#include "model/work_file_layout.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace ro = record_offset;

namespace {

constexpr size_t kWholeFileShare = 128;
constexpr int kSmallestTableSide = 3;

struct PackedField {
    size_t offset;
    const PackedLayout& layout;
    bool utf16;
};

const PackedField kPackedFields[] = {
    {ro::fontNamePacked, kFontNamePacking, false},
    {ro::imageSpecPacked, kImageSpecPacking, false},
    {ro::textPacked, kTextPacking, true},
    {ro::operationDescriptorPacked, kOperationDescriptorPacking, false},
    {ro::iconPathPacked, kIconPathPacking, false},
    {ro::passwordPacked, kPasswordPacking, true},
};

// The field's slots as the reader takes them from the record; bytes past the end read as 0.
std::vector<int64_t> SlotsOf(const QByteArray& record, const PackedField& field) {
    QByteArray area = record.mid(qsizetype(field.offset), field.layout.slotCount * 8);
    area.append(QByteArray(field.layout.slotCount * 8 - area.size(), '\0'));
    std::vector<int64_t> slots(size_t(field.layout.slotCount));
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i] = qFromLittleEndian<int64_t>(area.constData() + i * 8);
    return slots;
}

void CheckPackedFields(const QByteArray& record) {
    for (const PackedField& field : kPackedFields) {
        std::vector<uint32_t> units = UnpackUnits(SlotsOf(record, field), field.layout);
        // The reader ends a field at its first zero unit; a zero at the start of a piece could
        // not be written back anyway (leading zeros vanish).
        units.erase(std::find(units.begin(), units.end(), 0u), units.end());
        // Decoded as the reader does; the sanitizers watch.
        if (field.utf16)
            UnitsToUtf16(units);
        else
            DecodeByteField(UnitsToBytes(units));
        // Zero-free units come back as they went, cut only to what the slots hold.
        const std::vector<uint32_t> once =
            UnpackUnits(PackUnits(units, field.layout), field.layout);
        if (once.size() > units.size() ||
            !std::equal(once.begin(), once.end(), units.begin(), units.begin() + once.size()) ||
            UnpackUnits(PackUnits(once, field.layout), field.layout) != once)
            abort();
    }
}

void FoldCount(QByteArray& bytes, size_t offset) {
    char* field = bytes.data() + offset;
    const uint16_t count = qFromLittleEndian<uint16_t>(field);
    qToLittleEndian<int16_t>(int16_t(count % kSmallestTableSide + 1), field);
}

void CheckWholeFile(QByteArray bytes, uint8_t control) {
    const WorkFileFormat format = control & 1 ? WorkFileFormat::Previous : WorkFileFormat::Current;
    const size_t recordSize = format == WorkFileFormat::Current ? kRecordSize : kPreviousRecordSize;
    // Mostly whole records, so the parser is reached; sometimes the raw length.
    if (control & 2)
        bytes.append(QByteArray(
            qsizetype((recordSize - size_t(bytes.size()) % recordSize) % recordSize), '\0'));
    const bool countsAsTheyStand = control & 4;
    if (!countsAsTheyStand && size_t(bytes.size()) >= recordSize) {
        FoldCount(bytes, ro::columnCount);
        FoldCount(bytes, ro::rowCount);
    }

    Document document;
    const PasswordQuestion ask = [] { return QStringLiteral("pw"); };
    if (!LoadWorkFileBytes(bytes, format, document, ask).ok()) return;

    // Saving normalises what a stray file may hold (text cut to its field, record 1 made to
    // describe the table); from then on a file we wrote reads back to exactly itself.
    Document normalised;
    if (!LoadWorkFileBytes(WorkFileBytes(document), WorkFileFormat::Current, normalised, ask).ok())
        abort();
    const QByteArray saved = WorkFileBytes(normalised);
    Document again;
    if (!LoadWorkFileBytes(saved, WorkFileFormat::Current, again, ask).ok()) abort();
    if (WorkFileBytes(again) != saved) abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t control = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    CheckPackedFields(bytes);
    // Chosen by the whole input, so the mutants of a whole-file input mostly go the fast way.
    if (qHash(bytes, control) % kWholeFileShare == 0) CheckWholeFile(bytes, control);
    return 0;
}
