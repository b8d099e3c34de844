// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/field_packing.h"
#include "model/space_trim.h"
#include "model/work_file.h"
#include "model/work_file_layout.h"

#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

const PasswordQuestion kNoPassword = [] { return QString(); };

int16_t Int16At(const QByteArray& bytes, size_t offset) {
    return qFromLittleEndian<int16_t>(bytes.constData() + offset);
}
int32_t Int32At(const QByteArray& bytes, size_t offset) {
    return qFromLittleEndian<int32_t>(bytes.constData() + offset);
}
int64_t Int64At(const QByteArray& bytes, size_t offset) {
    return qFromLittleEndian<int64_t>(bytes.constData() + offset);
}
void SetInt16(QByteArray& bytes, size_t offset, int16_t value) {
    qToLittleEndian<int16_t>(value, bytes.data() + offset);
}

// The previous format: every record cut after its first 3299 bytes.
QByteArray ToPreviousFormat(const QByteArray& current) {
    QByteArray previous;
    for (qsizetype at = 0; at < current.size(); at += qsizetype(kRecordSize))
        previous.append(current.mid(at, qsizetype(kPreviousRecordSize)));
    return previous;
}

} // namespace

TEST(WorkFile, RecordOrderAndFileForm) {
    Document document = MakeTable(3, 2);
    document.settings.horizontalTitleBar = 1;
    document.settings.verticalBarFill = 0x00FF00;
    document.cell(2, 0).text = QStringLiteral("  Hoy ");
    document.cell(2, 0).selected = 1;
    document.cell(0, 1).fontName = QStringLiteral("Tahoma");
    const QByteArray bytes = WorkFileBytes(document);
    ASSERT_EQ(bytes.size(), qsizetype(6 * kRecordSize));

    auto record = [&](int number) {
        return bytes.mid(qsizetype((number - 1) * kRecordSize), qsizetype(kRecordSize));
    };
    EXPECT_EQ(Int16At(record(1), record_offset::column), 0);
    EXPECT_EQ(Int16At(record(3), record_offset::column), 2);
    EXPECT_EQ(Int16At(record(3), record_offset::row), 0);
    EXPECT_EQ(Int16At(record(4), record_offset::column), 0);
    EXPECT_EQ(Int16At(record(4), record_offset::row), 1);

    const QByteArray third = record(3);
    EXPECT_EQ(Int64At(third, record_offset::textPacked), 720011100121LL); // blanks removed
    EXPECT_EQ(Int32At(third, record_offset::selected), 1);
    EXPECT_EQ(Int32At(third, record_offset::horizontalTitleBar), 1);
    EXPECT_EQ(Int32At(third, record_offset::verticalBarFill), 0x00FF00);
    // Plain string areas are zero bytes whatever the cell holds.
    EXPECT_EQ(third.mid(1040, 548), QByteArray(548, '\0'));
    EXPECT_EQ(third.mid(28, 100), QByteArray(100, '\0'));
    // fontName is packed with its blank padding: "Tahom" "a    " ... "     ".
    const QByteArray fourth = record(4);
    EXPECT_EQ(Int64At(fourth, record_offset::fontNamePacked), 84097104111109LL);
    EXPECT_EQ(Int64At(fourth, record_offset::fontNamePacked + 8), 97032032032032LL);
    EXPECT_EQ(Int64At(fourth, record_offset::fontNamePacked + 15 * 8), 0); // reserved slot 16
    EXPECT_EQ(Int64At(fourth, record_offset::fontNamePacked + 20 * 8), 32032032032032LL);
    // An empty descriptor still packs its 11 blanks.
    EXPECT_EQ(Int64At(fourth, record_offset::operationDescriptorPacked + 16), 32);
}

TEST(WorkFile, SaveLoadRoundTrip) {
    TempFolder folder;
    Document document;
    document.settings.gridCellWidth = 40;
    document.settings.gridCellHeight = 20;
    document.settings.separatorPixels = 4; // travels in the cells' copies
    CreateTable(document, 3, 2, 2, 2, 0);
    document.settings.verticalTitleBar = 1;
    document.settings.horizontalBarBorder = 0x0000FF;
    CellRecord& cell = document.cell(1, 1);
    cell.text = QStringLiteral(u"  a|b — ñ €  ");
    // Byte fields beyond Latin-1 travel as UTF-8.
    cell.fontName = QStringLiteral(u"Ёлка Σans 明朝");
    cell.imageSpec = QStringLiteral(u"/home/ana/Imágenes/фото€.png*16777215");
    cell.iconPath = QStringLiteral(u"/icons/значок.ico");
    cell.operationDescriptor = QStringLiteral("1010200000");
    cell.bold = 1;
    cell.alignment = Alignment::Justified;
    cell.numericAllowed = 1;
    cell.numberFormat = 3;
    cell.cellState = 2;
    cell.joinState = 1;
    cell.selected = 1;
    const QString path = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, document).ok());
    EXPECT_TRUE(IsWorkFile(path));

    Document loaded;
    const Status status = LoadWorkFile(path, loaded, kNoPassword);
    ASSERT_TRUE(status.ok()) << status.detail.toStdString();
    EXPECT_EQ(loaded.workFilePath, path);
    EXPECT_EQ(loaded.settings.verticalTitleBar, 1);
    EXPECT_EQ(loaded.settings.horizontalBarBorder, 0x0000FF);
    EXPECT_EQ(loaded.settings.separatorPixels, 4);
    EXPECT_EQ(loaded.settings.columnCount, 3);
    const CellRecord& back = loaded.cell(1, 1);
    EXPECT_EQ(back.text, QStringLiteral(u"a|b — ñ €"));
    EXPECT_EQ(back.fontName, cell.fontName);
    EXPECT_EQ(back.imageSpec, cell.imageSpec);
    EXPECT_EQ(back.iconPath, cell.iconPath);
    EXPECT_EQ(back.operationDescriptor, cell.operationDescriptor);
    EXPECT_EQ(back.bold, 1);
    EXPECT_EQ(back.alignment, Alignment::Justified);
    EXPECT_EQ(back.cellState, 2);
    EXPECT_EQ(back.joinState, 1);
    EXPECT_EQ(back.selected, 0);
    EXPECT_EQ(back.left, cell.left);
    // Saving what was loaded gives the same bytes but for the selection flag.
    document.cell(1, 1).selected = 0;
    document.cell(1, 1).text = back.text;
    EXPECT_EQ(WorkFileBytes(loaded), WorkFileBytes(document));
}

// A known alignment is its code in the file; an unknown code read from a file comes back
// into the same bytes.
TEST(WorkFile, AlignmentCodesTravelAsTheirBytes) {
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("a.qdvl"));
    Document document = MakeTable(2, 1);
    document.cell(0, 0).alignment = Alignment::RotatedCentred;
    document.cell(1, 0).alignment = Alignment(-300);
    const QByteArray bytes = WorkFileBytes(document);
    EXPECT_EQ(Int16At(bytes.left(qsizetype(kRecordSize)), record_offset::alignment), 136);
    EXPECT_EQ(Int16At(bytes.mid(qsizetype(kRecordSize)), record_offset::alignment), -300);
    ASSERT_TRUE(SaveWorkFile(path, document).ok());

    Document loaded;
    ASSERT_TRUE(LoadWorkFile(path, loaded, kNoPassword).ok());
    EXPECT_EQ(loaded.cell(0, 0).alignment, Alignment::RotatedCentred);
    EXPECT_EQ(int(loaded.cell(1, 0).alignment), -300);
    EXPECT_EQ(WorkFileBytes(loaded), bytes);
}

TEST(WorkFile, ShortenedTextLeavesNoStaleSlots) {
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("s.qdvl"));
    Document document = MakeTable(2, 2);
    document.cell(0, 0).text = QStringLiteral("abcdefghi");
    ASSERT_TRUE(SaveWorkFile(path, document).ok());
    document.cell(0, 0).text = QStringLiteral("ab");
    ASSERT_TRUE(SaveWorkFile(path, document).ok());
    const QByteArray bytes = TempFolder::Read(path);
    EXPECT_EQ(bytes.size(), qsizetype(4 * kRecordSize));
    EXPECT_EQ(Int64At(bytes, record_offset::textPacked), 9700098LL);
    EXPECT_EQ(Int64At(bytes, record_offset::textPacked + 8), 0);
    EXPECT_EQ(Int64At(bytes, record_offset::textPacked + 16), 0);
    Document loaded;
    ASSERT_TRUE(LoadWorkFile(path, loaded, kNoPassword).ok());
    EXPECT_EQ(loaded.cell(0, 0).text, QStringLiteral("ab"));
}

// Fields are read as the zero-terminated, blank-trimmed strings they fill in memory.
TEST(WorkFile, ReadFieldsEndAtZeroUnitAndLoseBlanks) {
    QByteArray bytes = WorkFileBytes(MakeTable(1, 1));
    auto setSlot = [&](size_t offset, int64_t value) {
        qToLittleEndian<int64_t>(value, bytes.data() + offset);
    };
    setSlot(record_offset::textPacked, 7200000LL);            // "H", then a zero unit
    setSlot(record_offset::textPacked + 8, 73);               // "I" after the end: not read
    setSlot(record_offset::fontNamePacked, 32032084105109LL); // "  Tim"
    setSlot(record_offset::fontNamePacked + 8, 101115032LL);  // "es "
    for (size_t slot = 2; slot < 21; ++slot)
        setSlot(record_offset::fontNamePacked + slot * 8, 0);
    Document loaded;
    ASSERT_TRUE(LoadWorkFileBytes(bytes, WorkFileFormat::Current, loaded, kNoPassword).ok());
    EXPECT_EQ(loaded.cell(0, 0).text, QStringLiteral("H"));
    EXPECT_EQ(loaded.cell(0, 0).fontName, QStringLiteral("Times"));
}

TEST(WorkFile, PasswordProtectedTable) {
    TempFolder folder;
    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 20;
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("Clave");
    CreateTable(document, 2, 2, 2, 2, 0);
    const QString path = folder.Path(QStringLiteral("p.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, document).ok());

    Document open = MakeTable(4, 4);
    open.cell(3, 3).text = QStringLiteral("keep me");
    SnapshotForUndo(open);
    open.commands.at(1, 1) = QStringLiteral("f1f");
    int asked = 0;
    const Status wrong = LoadWorkFile(path, open, [&] {
        ++asked;
        return QStringLiteral("clave");
    });
    EXPECT_EQ(wrong.code, StatusCode::WrongPassword);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(open.settings.columnCount, 4);
    EXPECT_EQ(open.cell(3, 3).text, QStringLiteral("keep me"));
    EXPECT_EQ(open.undo.undoSteps.size(), 1u);
    EXPECT_EQ(open.commands.at(1, 1), QStringLiteral("f1f"));
    EXPECT_EQ(LoadWorkFile(path, open, kNoPassword).code, StatusCode::WrongPassword);

    ASSERT_TRUE(LoadWorkFile(path, open, [] { return QStringLiteral(" Clave "); }).ok());
    EXPECT_EQ(open.settings.columnCount, 2);
    EXPECT_EQ(open.settings.password, QStringLiteral("Clave"));
    EXPECT_EQ(open.cell(1, 1).password, QStringLiteral("Clave"));
    EXPECT_EQ(open.cell(1, 1).passwordSet, 1);
    EXPECT_FALSE(open.undo.CanUndo());
    EXPECT_TRUE(open.commands.at(1, 1).isEmpty());
}

TEST(WorkFile, LengthRules) {
    TempFolder folder;
    Document open = MakeTable(2, 2);
    open.cell(0, 0).text = QStringLiteral("original");

    const QString empty = folder.Write(QStringLiteral("empty.qdvl"), QByteArray());
    EXPECT_TRUE(IsWorkFile(empty));
    EXPECT_EQ(LoadWorkFile(empty, open, kNoPassword).code, StatusCode::NotATable);
    const QString odd = folder.Write(QStringLiteral("odd.qdvl"), QByteArray(3332, '\0'));
    EXPECT_FALSE(IsWorkFile(odd));
    EXPECT_EQ(LoadWorkFile(odd, open, kNoPassword).code, StatusCode::WrongLength);
    EXPECT_EQ(LoadAnyWorkFile(odd, open, kNoPassword).code, StatusCode::WrongLength);
    EXPECT_EQ(LoadAnyWorkFile(folder.Path(QStringLiteral("missing.qdvl")), open, kNoPassword).code,
              StatusCode::Unreadable);
    EXPECT_FALSE(IsWorkFile(folder.Path(QStringLiteral("missing.qdvl"))));
    EXPECT_EQ(open.cell(0, 0).text, QStringLiteral("original"));

    // A length that is a whole number of both record sizes reads as the current format. The
    // padding records hold nothing: they are not stored, and a warning says so.
    Document both = MakeTable(2, 2);
    QByteArray bytes = WorkFileBytes(both);
    bytes.append(QByteArray(qsizetype(kRecordSize * (kPreviousRecordSize - 4)), '\0'));
    ASSERT_EQ(bytes.size(), qsizetype(kRecordSize * kPreviousRecordSize));
    const QString path = folder.Write(QStringLiteral("both.qdvl"), bytes);
    EXPECT_TRUE(IsPreviousWorkFile(path));
    const Status loaded = LoadAnyWorkFile(path, open, kNoPassword);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(open.settings.columnCount, 2);
    EXPECT_EQ(open.cell(1, 1).fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(open.cell(0, 0).fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(loaded.warning, path + QStringLiteral(": 3295 of its 3299 records lie outside the "
                                                    "table's 4 cells or hold nothing"));
}

TEST(WorkFile, EveryRecordIsReadInAnyOrderAndALaterTwinWins) {
    Document document = MakeTable(2, 2);
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 2; ++row)
            document.cell(column, row).text = QStringLiteral("%1,%2").arg(column).arg(row);
    }
    const QByteArray bytes = WorkFileBytes(document);
    const auto record = [&](int index) {
        return bytes.mid(qsizetype(index * kRecordSize), qsizetype(kRecordSize));
    };
    document.cell(1, 0).text = QStringLiteral("later");
    const QByteArray later =
        WorkFileBytes(document).mid(qsizetype(kRecordSize), qsizetype(kRecordSize));
    QByteArray stray = record(3);
    SetInt16(stray, record_offset::column, 5); // in the grid, outside the table
    // The table's records come after more records than it has cells.
    const QByteArray file = record(0) + stray + QByteArray(qsizetype(kRecordSize), '\0') +
                            record(3) + record(2) + record(1) + later;

    Document loaded;
    const Status status = LoadWorkFileBytes(file, WorkFileFormat::Current, loaded, kNoPassword);
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(status.missingCells, 0);
    EXPECT_EQ(loaded.cell(0, 0).text, QStringLiteral("0,0")); // not blanked by the zero record
    EXPECT_EQ(loaded.cell(0, 1).text, QStringLiteral("0,1"));
    EXPECT_EQ(loaded.cell(1, 1).text, QStringLiteral("1,1"));
    EXPECT_EQ(loaded.cell(1, 0).text, QStringLiteral("later"));
    EXPECT_EQ(loaded.cell(5, 1), CellRecord{});
    EXPECT_EQ(status.warning,
              QStringLiteral("2 of its 7 records lie outside the table's 4 cells or hold nothing"));
}

TEST(WorkFile, PreviousFormat) {
    TempFolder folder;
    Document document = MakeTable(2, 2);
    document.settings.horizontalTitleBar = 1;
    document.cell(1, 0).text = QStringLiteral("Enero");
    const QByteArray previous = ToPreviousFormat(WorkFileBytes(document));
    ASSERT_EQ(previous.size(), 13196);
    const QString path = folder.Write(QStringLiteral("old.qdvl"), previous);
    EXPECT_FALSE(IsWorkFile(path));
    EXPECT_TRUE(IsPreviousWorkFile(path));
    EXPECT_EQ(LoadWorkFile(path, document, kNoPassword).code, StatusCode::WrongLength);

    Document open;
    open.settings.horizontalBarFill = 0x00AA00; // kept: the old format does not carry it
    ASSERT_TRUE(LoadAnyWorkFile(path, open, kNoPassword).ok());
    EXPECT_EQ(open.settings.horizontalTitleBar, 0);
    EXPECT_EQ(open.settings.horizontalBarFill, 0x00AA00);
    EXPECT_EQ(open.cell(1, 0).text, QStringLiteral("Enero"));

    open.settings.verticalLinesWithCellAreas = 1;
    const QString saved = folder.Path(QStringLiteral("new.qdvl"));
    ASSERT_TRUE(SaveWorkFile(saved, open).ok());
    const QByteArray bytes = TempFolder::Read(saved);
    EXPECT_EQ(bytes.size(), qsizetype(4 * kRecordSize));
    EXPECT_EQ(Int32At(bytes, 3 * kRecordSize + record_offset::verticalLinesWithCellAreas), 1);
    EXPECT_EQ(Int32At(bytes, 3 * kRecordSize + record_offset::horizontalBarFill), 0x00AA00);
}

TEST(WorkFile, CorruptFilesNeverReachTheTable) {
    Document open = MakeTable(2, 2);
    open.cell(1, 1).text = QStringLiteral("safe");
    const QByteArray good = WorkFileBytes(MakeTable(3, 3));

    for (int16_t wildCount : {int16_t(0), int16_t(-3), int16_t(112), int16_t(30000)}) {
        QByteArray bytes = good;
        SetInt16(bytes, record_offset::columnCount, wildCount);
        EXPECT_EQ(LoadWorkFileBytes(bytes, WorkFileFormat::Current, open, kNoPassword).code,
                  StatusCode::NotATable)
            << wildCount;
    }
    QByteArray zeroWidth = good;
    SetInt16(zeroWidth, record_offset::gridCellWidth, 0);
    EXPECT_EQ(LoadWorkFileBytes(zeroWidth, WorkFileFormat::Current, open, kNoPassword).code,
              StatusCode::NotATable);
    EXPECT_EQ(open.cell(1, 1).text, QStringLiteral("safe"));
    EXPECT_EQ(open.settings.columnCount, 2);

    // Stray records (outside 0..110 or outside the counts) are skipped, the rest is read.
    QByteArray stray = good;
    SetInt16(stray, kRecordSize * 4 + record_offset::column, 500);
    SetInt16(stray, kRecordSize * 5 + record_offset::row, -1);
    SetInt16(stray, kRecordSize * 6 + record_offset::column, 3);
    qToLittleEndian<int64_t>(99999999999999999LL,
                             stray.data() + kRecordSize * 7 + record_offset::textPacked);
    ASSERT_TRUE(LoadWorkFileBytes(stray, WorkFileFormat::Current, open, kNoPassword).ok());
    EXPECT_EQ(open.settings.columnCount, 3);
    // Its record went astray: the cell is made as a new table's cell, lined up with the rest.
    EXPECT_EQ(open.cell(1, 1).left, open.cell(1, 0).left);
    EXPECT_EQ(open.cell(1, 1).top, open.cell(0, 1).top);
    EXPECT_TRUE(open.cell(1, 1).text.isEmpty());
    EXPECT_EQ(open.cell(3, 2), CellRecord{});
    // Groups 99 99999 99999 99999: only 99 ("c") is a UTF-16 unit.
    EXPECT_EQ(open.cell(1, 2).text, QStringLiteral("c"));
}

// The loader's text is the general unpacking of its slots up to the first zero unit, cut to
// capacity and trimmed, whatever the slots hold: whole pieces, zero and oversized groups,
// short and long values, zero and negative slots. Every tenth round is whole pieces alone,
// more units than a text holds.
TEST(WorkFile, TextSlotsOfEveryShapeReadAsTheGeneralRule) {
    const QByteArray good = WorkFileBytes(MakeTable(1, 1));
    const int64_t groups[] = {0, 32, 97, 65535, 65536, 99999, 1, 20320};
    std::mt19937 next(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<int64_t> slots(size_t(kTextPacking.slotCount));
        for (int64_t& slot : slots) {
            const uint32_t kind = round % 10 == 0 ? 0 : next() % 16;
            const int64_t a = groups[next() % 8], b = groups[next() % 8], c = groups[next() % 8];
            slot = kind < 10   ? (a % 65535 + 1) * 10000000000LL + b * 100000 + c
                   : kind < 12 ? b * 100000 + c
                   : kind < 13 ? 123456789012345678LL
                   : kind < 14 ? -a
                               : 0;
        }
        QByteArray bytes = good;
        for (size_t i = 0; i < slots.size(); ++i)
            qToLittleEndian<int64_t>(slots[i], bytes.data() + record_offset::textPacked + i * 8);
        std::vector<uint32_t> units = UnpackUnits(slots, kTextPacking);
        units.erase(std::find(units.begin(), units.end(), 0u), units.end());
        units.resize(std::min<size_t>(units.size(), kTextMaxUnits));
        Document loaded;
        ASSERT_TRUE(LoadWorkFileBytes(bytes, WorkFileFormat::Current, loaded, kNoPassword).ok());
        EXPECT_EQ(loaded.cell(0, 0).text, TrimSpaces(UnitsToUtf16(units)).toString()) << round;
    }
}

// Slots of one unit each: every slot but the two reserved ones gives its unit, the last slot
// too.
TEST(WorkFile, EveryTextSlotCountsUpToTheLast) {
    QByteArray bytes = WorkFileBytes(MakeTable(1, 1));
    for (int slot = 0; slot < kTextPacking.slotCount; ++slot)
        qToLittleEndian<int64_t>(slot + 1 == kTextPacking.slotCount ? 98 : 97,
                                 bytes.data() + record_offset::textPacked + slot * 8);
    Document loaded;
    ASSERT_TRUE(LoadWorkFileBytes(bytes, WorkFileFormat::Current, loaded, kNoPassword).ok());
    EXPECT_EQ(loaded.cell(0, 0).text, QString(91, u'a') + u'b');
}

TEST(WorkFile, LongTextIsCutToCapacity) {
    Document document = MakeTable(2, 2);
    document.cell(0, 0).text = QString(400, u'z');
    Document loaded;
    ASSERT_TRUE(
        LoadWorkFileBytes(WorkFileBytes(document), WorkFileFormat::Current, loaded, kNoPassword)
            .ok());
    EXPECT_EQ(loaded.cell(0, 0).text, QString(273, u'z'));
}

TEST(WorkFile, SaveFailureKeepsOldFile) {
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("keep.qdvl"));
    Document document = MakeTable(2, 2);
    ASSERT_TRUE(SaveWorkFile(path, document).ok());
    const QByteArray before = TempFolder::Read(path);
    const Status failed = SaveWorkFile(folder.Path(QStringLiteral("no/such/dir/x.qdvl")), document);
    EXPECT_EQ(failed.code, StatusCode::WriteFailed);
    EXPECT_FALSE(failed.detail.isEmpty());
    EXPECT_EQ(TempFolder::Read(path), before);
}

TEST(WorkFile, RecordOneCarriesTheTableValues) {
    // A password given after creation (the Configuration dialog) and table values that the
    // first cell's copies do not hold still reach the file.
    Document document = MakeTable(3, 2);
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("later");
    document.settings.pageColour = 0x00FFFF;
    document.cell(0, 0).pageColour = 0xFFFFFF;
    document.cell(1, 0).pageColour = 0xFFFFFF;
    const QByteArray bytes = WorkFileBytes(document);
    EXPECT_EQ(Int32At(bytes, record_offset::passwordSet), 1);
    EXPECT_EQ(Int32At(bytes, record_offset::pageColour), 0x00FFFF);
    EXPECT_EQ(Int32At(bytes, kRecordSize + record_offset::pageColour), 0xFFFFFF); // a copy

    Document loaded;
    EXPECT_EQ(LoadWorkFileBytes(bytes, WorkFileFormat::Current, loaded, kNoPassword).code,
              StatusCode::WrongPassword);
    ASSERT_TRUE(LoadWorkFileBytes(bytes, WorkFileFormat::Current, loaded, [] {
                    return QStringLiteral("later");
                }).ok());
    EXPECT_EQ(loaded.settings.pageColour, 0x00FFFF);
    EXPECT_EQ(loaded.cell(2, 1).password, QStringLiteral("later")); // every cell gets the table's

    // Switched on without a password, the table is not protected, as a new table is not.
    document.settings.password.clear();
    EXPECT_EQ(Int32At(WorkFileBytes(document), record_offset::passwordSet), 0);
}
