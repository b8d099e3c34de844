// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/work_file.h"

#include "model/field_packing.h"
#include "model/file_problem.h"
#include "model/space_trim.h"
#include "model/whole_file_write.h"
#include "model/whole_pieces.h"
#include "model/windows1252.h"
#include "model/work_file_layout.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

static_assert(kImageSpecBytes >= kFontNameBytes && kImageSpecBytes >= kIconPathBytes);

namespace ro = record_offset;

namespace {

template <typename T> void Put(char* record, size_t offset, T value) {
    qToLittleEndian<T>(value, record + offset);
}

template <typename T> T Get(const char* record, size_t offset) {
    return qFromLittleEndian<T>(record + offset);
}

// Packs the units unitAt(0 .. count - 1) into the area at `offset`, every slot written.
template <typename UnitAt>
void PackArea(char* record, size_t offset, const PackedLayout& layout, size_t count,
              UnitAt unitAt) {
    PackEachSlot(layout, count, unitAt, [&](int index, int64_t value) {
        Put<int64_t>(record, offset + size_t(index) * 8, value);
    });
}

// The units of a packed area up to the first zero unit: the fields are zero-terminated in
// the program's memory.
template <typename Sink>
void ForEachUnitOfArea(const char* record, size_t offset, const PackedLayout& layout, Sink sink) {
    bool ended = false;
    ForEachPackedUnit(
        layout, [&](int index) { return Get<int64_t>(record, offset + size_t(index) * 8); },
        [&](uint32_t unit) {
            ended = ended || unit == 0;
            if (!ended) sink(unit);
        });
}

bool IsAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

void PackByteField(char* record, size_t offset, const QString& value, int width,
                   const PackedLayout& layout) {
    // The field padded with blanks to its width; ASCII, the common case, needs no encoding.
    char bytes[kImageSpecBytes];
    qsizetype size = 0;
    if (value.size() <= width && IsAscii(value)) {
        for (QChar c : value)
            bytes[size++] = char(c.unicode());
    } else {
        const QByteArray encoded = EncodeByteField(value, width);
        size = encoded.size();
        std::copy(encoded.begin(), encoded.end(), bytes);
    }
    std::fill(bytes + size, bytes + width, ' ');
    PackArea(record, offset, layout, size_t(width),
             [&](size_t k) { return uint32_t(static_cast<unsigned char>(bytes[k])); });
}

// Writes the byte fields of one kind into record after record; a value equal to the previous
// record's copies its packed area instead of packing it again.
class ByteFieldWriter {
public:
    ByteFieldWriter(size_t offset, int width, const PackedLayout& layout)
        : offset_(offset), width_(width), layout_(layout) {}

    void Write(char* record, const QString& value) {
        const qsizetype areaSize = qsizetype(layout_.slotCount) * 8;
        if (!packed_ || value != lastValue_) {
            PackByteField(record, offset_, value, width_, layout_);
            lastValue_ = value;
            lastArea_ = QByteArray(record + offset_, areaSize);
            packed_ = true;
            return;
        }
        std::copy_n(lastArea_.constData(), areaSize, record + offset_);
    }

private:
    size_t offset_;
    int width_;
    const PackedLayout& layout_;
    bool packed_ = false;
    QString lastValue_;
    QByteArray lastArea_;
};

// Reads the byte fields of one kind from record after record. A packed area equal to the
// previous record's gives the same string, shared: the font or the empty icon of a whole
// table is decoded once.
class ByteFieldReader {
public:
    ByteFieldReader(size_t offset, int width, const PackedLayout& layout)
        : offset_(offset), width_(width), layout_(layout) {}

    QString Read(const char* record) {
        const QByteArrayView area(record + offset_, qsizetype(layout_.slotCount) * 8);
        if (decoded_ && area == QByteArrayView(lastArea_)) return last_;
        lastArea_ = area.toByteArray();
        decoded_ = true;
        // The fields are mostly blank padding: trim the bytes before anything is decoded.
        char bytes[kImageSpecBytes];
        int size = 0;
        ForEachUnitOfArea(record, offset_, layout_, [&](uint32_t unit) {
            if (size < width_) bytes[size++] = char(unit);
        });
        int begin = 0;
        while (begin < size && bytes[begin] == ' ')
            ++begin;
        while (size > begin && bytes[size - 1] == ' ')
            --size;
        last_ = DecodeByteField(QByteArray::fromRawData(bytes + begin, size - begin));
        return last_;
    }

private:
    size_t offset_;
    int width_;
    const PackedLayout& layout_;
    bool decoded_ = false;
    QByteArray lastArea_;
    QString last_;
};

void PackUtf16Field(char* record, size_t offset, const QString& value, int maxUnits,
                    const PackedLayout& layout) {
    const QStringView trimmed = TrimSpaces(value).left(maxUnits);
    PackArea(record, offset, layout, size_t(trimmed.size()),
             [&](size_t k) { return uint32_t(trimmed[qsizetype(k)].unicode()); });
}

// Whether the slots from `slots` on, `count` of them, all hold 0.
bool SlotsAreZero(const char* slots, int count) {
    uint64_t any = 0;
    for (int i = 0; i < count; ++i)
        any |= Get<uint64_t>(slots, size_t(i) * 8);
    return any == 0;
}

// The units of a UTF-16 area up to the first zero unit, at most `limit` of them; their count.
// Runs of whole pieces between reserved slots are taken at once; any other slot unit by unit
// by the general rule.
int UnpackUtf16Units(const char* record, size_t offset, const PackedLayout& layout, int limit,
                     char16_t* units) {
    int size = 0;
    bool ended = false;
    const auto take = [&](uint32_t unit) {
        ended = ended || unit == 0;
        if (!ended && size < limit) units[size++] = char16_t(unit);
    };
    size_t nextReserved = 0;
    int slotNumber = 1;
    while (slotNumber <= layout.slotCount && !ended) {
        const bool reservedAhead = nextReserved < layout.reservedSlots.size();
        if (reservedAhead && layout.reservedSlots[nextReserved] == slotNumber) {
            ++nextReserved;
            ++slotNumber;
            continue;
        }
        const int runEnd =
            reservedAhead ? layout.reservedSlots[nextReserved] : layout.slotCount + 1;
        const int taken =
            UnpackWholePieces(record + offset + size_t(slotNumber - 1) * 8,
                              std::min(runEnd - slotNumber, (limit - size) / 3), units + size);
        size += 3 * taken;
        slotNumber += taken;
        if (slotNumber == runEnd) continue;
        const auto value = Get<int64_t>(record, offset + size_t(slotNumber - 1) * 8);
        // A short text is followed by empty slots only, which give nothing: seen at once.
        if (value == 0 &&
            SlotsAreZero(record + offset + size_t(slotNumber) * 8, layout.slotCount - slotNumber))
            break;
        field_packing_detail::ForEachUnitOfSlot<100000, 65535>(value, take);
        ++slotNumber;
    }
    return size;
}

QString UnpackUtf16Field(const char* record, size_t offset, int maxUnits,
                         const PackedLayout& layout) {
    char16_t units[kTextMaxUnits];
    const int size =
        UnpackUtf16Units(record, offset, layout, std::min(maxUnits, kTextMaxUnits), units);
    return TrimSpaces(QStringView(units, size)).toString();
}

// Record 1 is where a reader takes the table-wide values from, so it carries the table's own
// values rather than the first cell's copies of them (a password set in Configuration, for
// one, is not in the cells' copies).
void PutTableValues(char* record, const TableSettings& s) {
    Put<int16_t>(record, ro::columnCount, s.columnCount);
    Put<int16_t>(record, ro::rowCount, s.rowCount);
    Put<int16_t>(record, ro::lineThickness, int16_t(s.lineThickness));
    Put<int16_t>(record, ro::gridCellWidth, s.gridCellWidth);
    Put<int16_t>(record, ro::gridCellHeight, s.gridCellHeight);
    Put<int16_t>(record, ro::separatorPixels, s.separatorPixels);
    Put<int32_t>(record, ro::pageColour, s.pageColour);
    const QString password = ProtectingPassword(s);
    Put<int32_t>(record, ro::passwordSet, password.isEmpty() ? 0 : 1);
    PackUtf16Field(record, ro::passwordPacked, password, kPasswordMaxUnits, kPasswordPacking);
}

// A reader or a writer for each byte field of a table, used record after record.
template <typename Field> struct ByteFields {
    Field fontName{ro::fontNamePacked, kFontNameBytes, kFontNamePacking};
    Field imageSpec{ro::imageSpecPacked, kImageSpecBytes, kImageSpecPacking};
    Field operationDescriptor{ro::operationDescriptorPacked, kOperationDescriptorBytes,
                              kOperationDescriptorPacking};
    Field iconPath{ro::iconPathPacked, kIconPathBytes, kIconPathPacking};
};
using ByteFieldWriters = ByteFields<ByteFieldWriter>;
using ByteFieldReaders = ByteFields<ByteFieldReader>;

void WriteRecord(char* record, ByteFieldWriters& writers, const CellRecord& cell, int column,
                 int row, const TableSettings& s) {
    Put<int32_t>(record, ro::left, cell.left);
    Put<int32_t>(record, ro::top, cell.top);
    Put<int32_t>(record, ro::right, cell.right);
    Put<int32_t>(record, ro::bottom, cell.bottom);
    // The grid position itself, so a record can never land on another cell when read back.
    Put<int16_t>(record, ro::column, int16_t(column));
    Put<int16_t>(record, ro::row, int16_t(row));
    Put<int32_t>(record, ro::backColour, cell.backColour);
    Put<int32_t>(record, ro::textColour, cell.textColour);
    writers.fontName.Write(record, cell.fontName);
    Put<int16_t>(record, ro::fontSize, cell.fontSize);
    Put<int32_t>(record, ro::bold, cell.bold);
    Put<int32_t>(record, ro::italic, cell.italic);
    Put<int32_t>(record, ro::underline, cell.underline);
    Put<int32_t>(record, ro::strikeout, cell.strikeout);
    Put<int32_t>(record, ro::leading, cell.leading);
    writers.imageSpec.Write(record, cell.imageSpec);
    PackUtf16Field(record, ro::textPacked, cell.text, kTextMaxUnits, kTextPacking);
    Put<int16_t>(record, ro::alignment, int16_t(cell.alignment));
    Put<int16_t>(record, ro::columnCount, cell.columnCount);
    Put<int16_t>(record, ro::rowCount, cell.rowCount);
    Put<int16_t>(record, ro::lineThickness, cell.lineThickness);
    Put<int32_t>(record, ro::lineColour, cell.lineColour);
    Put<int32_t>(record, ro::joinState, cell.joinState);
    Put<int32_t>(record, ro::selected, cell.selected);
    Put<int32_t>(record, ro::cellState, cell.cellState);
    Put<int16_t>(record, ro::gridCellWidth, cell.gridCellWidth);
    Put<int16_t>(record, ro::gridCellHeight, cell.gridCellHeight);
    Put<int16_t>(record, ro::separatorPixels, cell.separatorPixels);
    Put<int32_t>(record, ro::pageColour, cell.pageColour);
    Put<int16_t>(record, ro::numberFormat, cell.numberFormat);
    Put<int32_t>(record, ro::numericAllowed, cell.numericAllowed);
    writers.operationDescriptor.Write(record, cell.operationDescriptor);
    writers.iconPath.Write(record, cell.iconPath);
    Put<int32_t>(record, ro::passwordSet, cell.passwordSet);
    PackUtf16Field(record, ro::passwordPacked, cell.password, kPasswordMaxUnits, kPasswordPacking);
    Put<int32_t>(record, ro::horizontalTitleBar, s.horizontalTitleBar);
    Put<int32_t>(record, ro::verticalTitleBar, s.verticalTitleBar);
    Put<int32_t>(record, ro::horizontalBarFill, s.horizontalBarFill);
    Put<int32_t>(record, ro::verticalBarFill, s.verticalBarFill);
    Put<int32_t>(record, ro::horizontalBarBorder, s.horizontalBarBorder);
    Put<int32_t>(record, ro::verticalBarBorder, s.verticalBarBorder);
    Put<int32_t>(record, ro::horizontalLinesWithCellAreas, s.horizontalLinesWithCellAreas);
    Put<int32_t>(record, ro::verticalLinesWithCellAreas, s.verticalLinesWithCellAreas);
}

void ReadCellFields(const char* record, ByteFieldReaders& readers, CellRecord& cell) {
    cell.left = Get<int32_t>(record, ro::left);
    cell.top = Get<int32_t>(record, ro::top);
    cell.right = Get<int32_t>(record, ro::right);
    cell.bottom = Get<int32_t>(record, ro::bottom);
    cell.column = Get<int16_t>(record, ro::column);
    cell.row = Get<int16_t>(record, ro::row);
    cell.backColour = Get<int32_t>(record, ro::backColour);
    cell.textColour = Get<int32_t>(record, ro::textColour);
    cell.fontName = readers.fontName.Read(record);
    cell.fontSize = Get<int16_t>(record, ro::fontSize);
    cell.bold = Get<int32_t>(record, ro::bold);
    cell.italic = Get<int32_t>(record, ro::italic);
    cell.underline = Get<int32_t>(record, ro::underline);
    cell.strikeout = Get<int32_t>(record, ro::strikeout);
    cell.leading = Get<int32_t>(record, ro::leading);
    cell.imageSpec = readers.imageSpec.Read(record);
    cell.text = UnpackUtf16Field(record, ro::textPacked, kTextMaxUnits, kTextPacking);
    cell.alignment = Alignment(Get<int16_t>(record, ro::alignment));
    cell.columnCount = Get<int16_t>(record, ro::columnCount);
    cell.rowCount = Get<int16_t>(record, ro::rowCount);
    cell.lineThickness = Get<int16_t>(record, ro::lineThickness);
    cell.lineColour = Get<int32_t>(record, ro::lineColour);
    cell.joinState = Get<int32_t>(record, ro::joinState);
    cell.selected = 0;
    cell.cellState = Get<int32_t>(record, ro::cellState);
    cell.gridCellWidth = Get<int16_t>(record, ro::gridCellWidth);
    cell.gridCellHeight = Get<int16_t>(record, ro::gridCellHeight);
    cell.separatorPixels = Get<int16_t>(record, ro::separatorPixels);
    cell.pageColour = Get<int32_t>(record, ro::pageColour);
    cell.numberFormat = Get<int16_t>(record, ro::numberFormat);
    cell.numericAllowed = Get<int32_t>(record, ro::numericAllowed);
    cell.operationDescriptor = readers.operationDescriptor.Read(record);
    cell.iconPath = readers.iconPath.Read(record);
}

// Takes the table-wide settings from record 1; false when they cannot describe a table.
bool ReadTableSettings(const char* record, WorkFileFormat format, TableSettings& s) {
    s.gridCellWidth = Get<int16_t>(record, ro::gridCellWidth);
    s.gridCellHeight = Get<int16_t>(record, ro::gridCellHeight);
    s.lineColour = Get<int32_t>(record, ro::lineColour);
    s.columnCount = Get<int16_t>(record, ro::columnCount);
    s.rowCount = Get<int16_t>(record, ro::rowCount);
    s.lineThickness = Get<int16_t>(record, ro::lineThickness);
    s.separatorPixels = Get<int16_t>(record, ro::separatorPixels);
    s.pageColour = Get<int32_t>(record, ro::pageColour);
    s.passwordSet = Get<int32_t>(record, ro::passwordSet);
    if (format == WorkFileFormat::Current) {
        s.horizontalTitleBar = Get<int32_t>(record, ro::horizontalTitleBar);
        s.verticalTitleBar = Get<int32_t>(record, ro::verticalTitleBar);
        s.horizontalBarFill = Get<int32_t>(record, ro::horizontalBarFill);
        s.verticalBarFill = Get<int32_t>(record, ro::verticalBarFill);
        s.horizontalBarBorder = Get<int32_t>(record, ro::horizontalBarBorder);
        s.verticalBarBorder = Get<int32_t>(record, ro::verticalBarBorder);
        s.horizontalLinesWithCellAreas = Get<int32_t>(record, ro::horizontalLinesWithCellAreas);
        s.verticalLinesWithCellAreas = Get<int32_t>(record, ro::verticalLinesWithCellAreas);
    }
    s.password = UnpackUtf16Field(record, ro::passwordPacked, kPasswordMaxUnits, kPasswordPacking);
    return s.columnCount >= 1 && s.columnCount <= kGridCapacity && s.rowCount >= 1 &&
           s.rowCount <= kGridCapacity && s.gridCellWidth >= 1 && s.gridCellHeight >= 1;
}

size_t RecordSize(WorkFileFormat format) {
    return format == WorkFileFormat::Current ? kRecordSize : kPreviousRecordSize;
}

bool HasWholeRecords(const QString& path, size_t recordSize) {
    const QFileInfo info(path);
    return info.isFile() && size_t(info.size()) % recordSize == 0;
}

// A file cut short (or with records lost) still opens as a whole table: each cell without a
// record is made as a new table's cell at its place, lined up with the first cell read.
int MakeMissingCells(Document& document, const GridArray<uint8_t>& covered) {
    const TableSettings& s = document.settings;
    int originX = 2;
    int originY = 2;
    bool originFound = false;
    int missing = 0;
    for (int column = 0; column < s.columnCount; ++column) {
        for (int row = 0; row < s.rowCount; ++row) {
            if (!covered.at(column, row)) {
                ++missing;
            } else if (!originFound) {
                const CellRecord& cell = document.cell(column, row);
                originX = cell.left - column * s.gridCellWidth;
                originY = cell.top - row * s.gridCellHeight;
                originFound = true;
            }
        }
    }
    if (missing == 0) return 0;
    for (int column = 0; column < s.columnCount; ++column) {
        for (int row = 0; row < s.rowCount; ++row) {
            if (covered.at(column, row)) continue;
            InitialiseNewTableCell(document, column, row, originX, originY);
            CellRecord& cell = document.cell(column, row);
            cell.passwordSet = s.passwordSet;
            cell.password = s.password;
        }
    }
    return missing;
}

Status WrongLength(qint64 length, size_t recordSize) {
    return {StatusCode::WrongLength,
            QStringLiteral("length %1 is not a multiple of %2").arg(length).arg(recordSize)};
}

// The records of a work file, handed out a window at a time.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    // Records first .. first + count - 1, valid until the next call; null when unreadable.
    virtual const char* Records(size_t first, size_t count) = 0;
};

class ByteRecords final : public RecordSource {
public:
    ByteRecords(const QByteArray& bytes, size_t recordSize)
        : bytes_(bytes), recordSize_(recordSize) {}
    const char* Records(size_t first, size_t) override {
        return bytes_.constData() + first * recordSize_;
    }

private:
    const QByteArray& bytes_;
    size_t recordSize_;
};

// Reads one window of the file at a time into one buffer kept from window to window, so that
// a file of any size costs one window of memory. The window is small enough to stay in the
// processor's second-level cache, where the decoding finds the copy: with 2 MiB windows the
// largest table loaded about 10 % slower. Mapping each window instead pays a page fault and a
// first read from memory for its pages, and slowed the load by about 15 %.
class FileRecords final : public RecordSource {
public:
    FileRecords(QFile& file, size_t recordSize) : file_(file), recordSize_(recordSize) {}

    const char* Records(size_t first, size_t count) override {
        const auto offset = qint64(first * recordSize_);
        const auto length = qint64(count * recordSize_);
        buffer_.resize(size_t(length));
        if (!file_.seek(offset) || file_.read(buffer_.data(), length) != length) return nullptr;
        return buffer_.data();
    }

private:
    QFile& file_;
    size_t recordSize_;
    std::vector<char> buffer_;
};

bool IsZeroRecord(const char* record, size_t recordSize) {
    return std::all_of(record, record + recordSize, [](char byte) { return byte == 0; });
}

// Records looked at in one window: 416 KiB of the current layout.
constexpr size_t kWindowRecords = 128;

Status ReadRecords(RecordSource& source, size_t recordCount, WorkFileFormat format,
                   Document& document, const PasswordQuestion& ask) {
    if (recordCount == 0) return {StatusCode::NotATable, QStringLiteral("the file holds no cells")};
    const char* first = source.Records(0, 1);
    if (!first) return {StatusCode::Unreadable, QStringLiteral("record 1 cannot be read")};

    Document fresh;
    fresh.settings = document.settings;
    fresh.settings.tableRetouched = 0;
    if (!ReadTableSettings(first, format, fresh.settings))
        return {StatusCode::NotATable,
                QStringLiteral("record 1 (byte 0) does not describe a table")};

    TableSettings& s = fresh.settings;
    if (s.passwordSet != 0 && !s.password.isEmpty()) {
        const QString answer = ask ? TrimSpaces(ask()).toString() : QString();
        if (answer != s.password)
            return {StatusCode::WrongPassword, QStringLiteral("wrong or missing password")};
    }

    // Every record is read, in windows, wherever it lies: the records may come in any order
    // and a later one for the same cell wins.
    const size_t recordSize = RecordSize(format);
    ByteFieldReaders readers;
    GridArray<uint8_t> covered;
    size_t unplaced = 0;
    for (size_t start = 0; start < recordCount; start += kWindowRecords) {
        const size_t count = std::min(kWindowRecords, recordCount - start);
        const char* window = source.Records(start, count);
        if (!window)
            return {StatusCode::Unreadable, QStringLiteral("record %1 (byte %2) cannot be read")
                                                .arg(start + 1)
                                                .arg(start * recordSize)};
        for (size_t index = 0; index < count; ++index) {
            const char* record = window + index * recordSize;
            const int column = Get<int16_t>(record, ro::column);
            const int row = Get<int16_t>(record, ro::row);
            // A stray record has no place in the table; a record of zero bytes alone (a hole
            // or padding: the writer fills every byte field with blanks) is no cell and must
            // not blank cell (0, 0).
            if (!fresh.InTable(column, row) || IsZeroRecord(record, recordSize)) {
                ++unplaced;
                continue;
            }
            CellRecord& cell = fresh.cell(column, row);
            ReadCellFields(record, readers, cell);
            covered.at(column, row) = 1;
            cell.passwordSet = s.passwordSet;
            cell.password = s.password;
        }
    }
    const int missing = MakeMissingCells(fresh, covered);
    const CellRecord& last = fresh.cell(s.columnCount - 1, s.rowCount - 1);
    fresh.extentRight = int16_t(last.right);
    fresh.extentBottom = int16_t(last.bottom);
    document = std::move(fresh);

    Status status = Status::Success();
    status.missingCells = missing;
    if (unplaced > 0)
        status.warning = QStringLiteral("%1 of its %2 records lie outside the table's %3 cells or "
                                        "hold nothing")
                             .arg(unplaced)
                             .arg(recordCount)
                             .arg(s.columnCount * s.rowCount);
    return status;
}

Status LoadFile(const QString& path, WorkFileFormat format, Document& document,
                const PasswordQuestion& ask) {
    const auto failed = [&path](Status status) {
        status.detail = path + QStringLiteral(": ") + status.detail;
        return status;
    };
    // Opening a FIFO would wait for a writer, and a device may never end.
    QFile file;
    if (const FileProblem problem = OpenRegularFile(path, file); !problem.none())
        return failed({StatusCode::Unreadable, problem.reason});
    const size_t recordSize = RecordSize(format);
    const qint64 length = file.size();
    if (size_t(length) % recordSize != 0) return failed(WrongLength(length, recordSize));
    FileRecords source(file, recordSize);
    Status status = ReadRecords(source, size_t(length) / recordSize, format, document, ask);
    if (!status.ok()) return failed(status);
    document.workFilePath = path;
    if (!status.warning.isEmpty()) status.warning = path + QStringLiteral(": ") + status.warning;
    return status;
}

} // namespace

bool IsWorkFile(const QString& path) {
    return HasWholeRecords(path, kRecordSize);
}

bool IsPreviousWorkFile(const QString& path) {
    return HasWholeRecords(path, kPreviousRecordSize);
}

Status LoadWorkFileBytes(const QByteArray& bytes, WorkFileFormat format, Document& document,
                         const PasswordQuestion& ask) {
    const size_t recordSize = RecordSize(format);
    if (size_t(bytes.size()) % recordSize != 0) return WrongLength(bytes.size(), recordSize);
    ByteRecords source(bytes, recordSize);
    return ReadRecords(source, size_t(bytes.size()) / recordSize, format, document, ask);
}

Status LoadWorkFile(const QString& path, Document& document, const PasswordQuestion& ask) {
    return LoadFile(path, WorkFileFormat::Current, document, ask);
}

Status LoadPreviousWorkFile(const QString& path, Document& document, const PasswordQuestion& ask) {
    return LoadFile(path, WorkFileFormat::Previous, document, ask);
}

Status LoadAnyWorkFile(const QString& path, Document& document, const PasswordQuestion& ask) {
    if (const FileProblem problem = RegularFileProblem(path); !problem.none())
        return {StatusCode::Unreadable, path + QStringLiteral(": ") + problem.reason};
    const QFileInfo info(path);
    if (IsWorkFile(path)) return LoadWorkFile(path, document, ask);
    if (IsPreviousWorkFile(path)) return LoadPreviousWorkFile(path, document, ask);
    return {StatusCode::WrongLength,
            path +
                QStringLiteral(": length %1 is a whole number of neither %2- nor %3-byte records")
                    .arg(info.size())
                    .arg(kRecordSize)
                    .arg(kPreviousRecordSize)};
}

namespace {

// One record per cell of the table.
size_t TableRecordCount(const Document& document) {
    const TableSettings& s = document.settings;
    return size_t(std::clamp<int>(s.columnCount, 0, kGridCapacity)) *
           size_t(std::clamp<int>(s.rowCount, 0, kGridCapacity));
}

// Records built before they are written: about 3.4 MB. Fewer, larger writes cost the file
// system less per byte (1024 records saved the largest table 5 % faster than 256, 64 30 % slower).
constexpr size_t kWriteWindowRecords = 1024;

// Builds the records of the table a window at a time, rows outer and columns inner, and hands
// each window to `sink`; stops with false as soon as the sink does.
template <typename Sink> bool ForEachRecordWindow(const Document& document, Sink sink) {
    const TableSettings& s = document.settings;
    const int columns = std::clamp<int>(s.columnCount, 0, kGridCapacity);
    const size_t total = TableRecordCount(document);
    // The plain string areas are never written, so they stay zero from here on.
    QByteArray window(qsizetype(std::min(total, kWriteWindowRecords) * kRecordSize), '\0');
    ByteFieldWriters writers;
    for (size_t start = 0; start < total; start += kWriteWindowRecords) {
        const size_t count = std::min(kWriteWindowRecords, total - start);
        for (size_t index = 0; index < count; ++index) {
            const int column = int((start + index) % size_t(columns));
            const int row = int((start + index) / size_t(columns));
            char* record = window.data() + index * kRecordSize;
            WriteRecord(record, writers, document.cell(column, row), column, row, s);
            if (start + index == 0) PutTableValues(record, s);
        }
        if (!sink(window.constData(), qsizetype(count * kRecordSize))) return false;
    }
    return true;
}

} // namespace

QByteArray WorkFileBytes(const Document& document) {
    QByteArray bytes;
    bytes.reserve(qsizetype(TableRecordCount(document) * kRecordSize));
    ForEachRecordWindow(document, [&bytes](const char* data, qsizetype size) {
        bytes.append(data, size);
        return true;
    });
    return bytes;
}

// Written a window at a time: the whole file is never in memory, so no fresh 41 MB are
// faulted in and no growing buffer is copied.
Status SaveWorkFile(const QString& path, const Document& document) {
    const auto size = qint64(TableRecordCount(document) * kRecordSize);
    return WriteWholeFileInChunks(path, size, [&document](const ChunkWriter& write) {
        return ForEachRecordWindow(document, write);
    });
}
