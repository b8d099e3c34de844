#include "model/work_file.h"

#include "model/field_packing.h"
#include "model/file_problem.h"
#include "model/space_trim.h"
#include "model/whole_file_write.h"
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

void PutSlots(char* record, size_t offset, const std::vector<int64_t>& slots) {
    for (size_t i = 0; i < slots.size(); ++i)
        Put<int64_t>(record, offset + i * 8, slots[i]);
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

void PackByteField(char* record, size_t offset, const QString& value, int width,
                   const PackedLayout& layout) {
    QByteArray bytes = EncodeByteField(value, width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    PutSlots(record, offset, PackUnits(BytesToUnits(bytes), layout));
}

QString UnpackByteField(const char* record, size_t offset, int width, const PackedLayout& layout) {
    // The fields are mostly blank padding: trim the bytes before anything is decoded.
    char bytes[kImageSpecBytes];
    int size = 0;
    ForEachUnitOfArea(record, offset, layout, [&](uint32_t unit) {
        if (size < width) bytes[size++] = char(unit);
    });
    int begin = 0;
    while (begin < size && bytes[begin] == ' ')
        ++begin;
    while (size > begin && bytes[size - 1] == ' ')
        --size;
    return DecodeByteField(QByteArray::fromRawData(bytes + begin, size - begin));
}

void PackUtf16Field(char* record, size_t offset, const QString& value, int maxUnits,
                    const PackedLayout& layout) {
    const QString trimmed = TrimSpaces(value).left(maxUnits).toString();
    PutSlots(record, offset, PackUnits(Utf16ToUnits(trimmed), layout));
}

QString UnpackUtf16Field(const char* record, size_t offset, int maxUnits,
                         const PackedLayout& layout) {
    QString text;
    ForEachUnitOfArea(record, offset, layout, [&](uint32_t unit) {
        if (text.size() < maxUnits) text.append(QChar(char16_t(unit)));
    });
    return TrimSpaces(text).toString();
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

void WriteRecord(char* record, const CellRecord& cell, int column, int row,
                 const TableSettings& s) {
    Put<int32_t>(record, ro::left, cell.left);
    Put<int32_t>(record, ro::top, cell.top);
    Put<int32_t>(record, ro::right, cell.right);
    Put<int32_t>(record, ro::bottom, cell.bottom);
    // The grid position itself, so a record can never land on another cell when read back.
    Put<int16_t>(record, ro::column, int16_t(column));
    Put<int16_t>(record, ro::row, int16_t(row));
    Put<int32_t>(record, ro::backColour, cell.backColour);
    Put<int32_t>(record, ro::textColour, cell.textColour);
    PackByteField(record, ro::fontNamePacked, cell.fontName, kFontNameBytes, kFontNamePacking);
    Put<int16_t>(record, ro::fontSize, cell.fontSize);
    Put<int32_t>(record, ro::bold, cell.bold);
    Put<int32_t>(record, ro::italic, cell.italic);
    Put<int32_t>(record, ro::underline, cell.underline);
    Put<int32_t>(record, ro::strikeout, cell.strikeout);
    Put<int32_t>(record, ro::leading, cell.leading);
    PackByteField(record, ro::imageSpecPacked, cell.imageSpec, kImageSpecBytes, kImageSpecPacking);
    PackUtf16Field(record, ro::textPacked, cell.text, kTextMaxUnits, kTextPacking);
    Put<int16_t>(record, ro::alignment, cell.alignment);
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
    PackByteField(record, ro::operationDescriptorPacked, cell.operationDescriptor,
                  kOperationDescriptorBytes, kOperationDescriptorPacking);
    PackByteField(record, ro::iconPathPacked, cell.iconPath, kIconPathBytes, kIconPathPacking);
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

void ReadCellFields(const char* record, CellRecord& cell) {
    cell.left = Get<int32_t>(record, ro::left);
    cell.top = Get<int32_t>(record, ro::top);
    cell.right = Get<int32_t>(record, ro::right);
    cell.bottom = Get<int32_t>(record, ro::bottom);
    cell.column = Get<int16_t>(record, ro::column);
    cell.row = Get<int16_t>(record, ro::row);
    cell.backColour = Get<int32_t>(record, ro::backColour);
    cell.textColour = Get<int32_t>(record, ro::textColour);
    cell.fontName = UnpackByteField(record, ro::fontNamePacked, kFontNameBytes, kFontNamePacking);
    cell.fontSize = Get<int16_t>(record, ro::fontSize);
    cell.bold = Get<int32_t>(record, ro::bold);
    cell.italic = Get<int32_t>(record, ro::italic);
    cell.underline = Get<int32_t>(record, ro::underline);
    cell.strikeout = Get<int32_t>(record, ro::strikeout);
    cell.leading = Get<int32_t>(record, ro::leading);
    cell.imageSpec =
        UnpackByteField(record, ro::imageSpecPacked, kImageSpecBytes, kImageSpecPacking);
    cell.text = UnpackUtf16Field(record, ro::textPacked, kTextMaxUnits, kTextPacking);
    cell.alignment = Get<int16_t>(record, ro::alignment);
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
    cell.operationDescriptor =
        UnpackByteField(record, ro::operationDescriptorPacked, kOperationDescriptorBytes,
                        kOperationDescriptorPacking);
    cell.iconPath = UnpackByteField(record, ro::iconPathPacked, kIconPathBytes, kIconPathPacking);
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

Status LoadFile(const QString& path, WorkFileFormat format, Document& document,
                const PasswordQuestion& ask) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {StatusCode::Unreadable, path + QStringLiteral(": ") + file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {StatusCode::Unreadable, path + QStringLiteral(": ") + file.errorString()};
    Status status = LoadWorkFileBytes(bytes, format, document, ask);
    if (status.ok())
        document.workFilePath = path;
    else
        status.detail = path + QStringLiteral(": ") + status.detail;
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
    if (size_t(bytes.size()) % recordSize != 0)
        return {
            StatusCode::WrongLength,
            QStringLiteral("length %1 is not a multiple of %2").arg(bytes.size()).arg(recordSize)};
    const size_t recordCount = size_t(bytes.size()) / recordSize;
    if (recordCount == 0) return {StatusCode::NotATable, QStringLiteral("the file holds no cells")};

    Document fresh;
    fresh.settings = document.settings;
    fresh.settings.tableRetouched = 0;
    const char* first = bytes.constData();
    if (!ReadTableSettings(first, format, fresh.settings))
        return {StatusCode::NotATable,
                QStringLiteral("record 1 (byte 0) does not describe a table")};

    TableSettings& s = fresh.settings;
    if (s.passwordSet != 0 && !s.password.isEmpty()) {
        const QString answer = ask ? TrimSpaces(ask()).toString() : QString();
        if (answer != s.password)
            return {StatusCode::WrongPassword, QStringLiteral("wrong or missing password")};
    }

    GridArray<uint8_t> covered;
    for (size_t index = 0; index < recordCount; ++index) {
        const char* record = first + index * recordSize;
        const int column = Get<int16_t>(record, ro::column);
        const int row = Get<int16_t>(record, ro::row);
        if (!fresh.InTable(column, row)) continue; // a stray record has no place in the table
        CellRecord& cell = fresh.cell(column, row);
        ReadCellFields(record, cell);
        cell.passwordSet = s.passwordSet;
        cell.password = s.password;
        covered.at(column, row) = 1;
    }
    const int missing = MakeMissingCells(fresh, covered);
    const CellRecord& last = fresh.cell(s.columnCount - 1, s.rowCount - 1);
    fresh.extentRight = int16_t(last.right);
    fresh.extentBottom = int16_t(last.bottom);
    document = std::move(fresh);
    Status status;
    status.missingCells = missing;
    return status;
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

QByteArray WorkFileBytes(const Document& document) {
    const TableSettings& s = document.settings;
    const int columns = std::clamp<int>(s.columnCount, 0, kGridCapacity);
    const int rows = std::clamp<int>(s.rowCount, 0, kGridCapacity);
    QByteArray bytes(qsizetype(size_t(columns) * size_t(rows) * kRecordSize), '\0');
    char* record = bytes.data();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            WriteRecord(record, document.cell(column, row), column, row, s);
            if (record == bytes.data()) PutTableValues(record, s);
            record += kRecordSize;
        }
    }
    return bytes;
}

Status SaveWorkFile(const QString& path, const Document& document) {
    return WriteWholeFile(path, WorkFileBytes(document));
}
