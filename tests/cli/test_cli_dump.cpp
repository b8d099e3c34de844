#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"
#include "model/work_file_layout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

CliRun Cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(CliDump, TableAsJson) {
    TempFolder folder;
    Document document = MakeTable(3, 2, 50, 25);
    document.settings.horizontalTitleBar = 1;
    document.cell(2, 1).text = QStringLiteral(u"ñ \"quoted\"");
    document.cell(2, 1).operationDescriptor = QStringLiteral("1010100000");
    const QString path = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, document).ok());

    const CliRun run = Cli({QStringLiteral("dump"), path, QStringLiteral("--raw")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(json[QStringLiteral("columnCount")].toInt(), 3);
    EXPECT_EQ(json[QStringLiteral("gridCellWidth")].toInt(), 50);
    EXPECT_EQ(json[QStringLiteral("horizontalTitleBar")].toInt(), 1);
    EXPECT_EQ(json[QStringLiteral("pageColour")].toInt(), 0xFFFFFF);
    EXPECT_EQ(json[QStringLiteral("decimalPlaces")].toInt(), 2);
    const QJsonArray cells = json[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 6);
    const QJsonObject last = cells[5].toObject();
    EXPECT_EQ(last[QStringLiteral("column")].toInt(), 2);
    EXPECT_EQ(last[QStringLiteral("row")].toInt(), 1);
    EXPECT_EQ(last[QStringLiteral("left")].toInt(), 102);
    EXPECT_EQ(last[QStringLiteral("text")].toString(), QStringLiteral(u"ñ \"quoted\""));
    EXPECT_EQ(last[QStringLiteral("operationDescriptor")].toString(), QStringLiteral("1010100000"));
    EXPECT_EQ(last[QStringLiteral("fontName")].toString(), QStringLiteral("Times New Roman"));
    EXPECT_FALSE(json.contains(QStringLiteral("password")));
    // Keys in the documented order.
    EXPECT_TRUE(run.out.startsWith("{\"columnCount\":3,\"rowCount\":2,\"gridCellWidth\":50,"));
}

TEST(CliDump, ExitCodes) {
    TempFolder folder;
    EXPECT_EQ(Cli({}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("dump")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("frobnicate"), QStringLiteral("x")}).exitCode, 2);

    const CliRun missing = Cli({QStringLiteral("dump"), folder.Path(QStringLiteral("none.qdvl"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("none.qdvl"));

    const QString junk = folder.Write(QStringLiteral("junk.qdvl"), QByteArray(100, 'x'));
    EXPECT_EQ(Cli({QStringLiteral("dump"), junk}).exitCode, 3);
    const QString empty = folder.Write(QStringLiteral("empty.qdvl"), QByteArray());
    EXPECT_EQ(Cli({QStringLiteral("dump"), empty}).exitCode, 3);

    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 20;
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("s3cret");
    CreateTable(document, 2, 2, 2, 2, 0);
    const QString locked = folder.Path(QStringLiteral("locked.qdvl"));
    ASSERT_TRUE(SaveWorkFile(locked, document).ok());
    EXPECT_EQ(Cli({QStringLiteral("dump"), locked}).exitCode, 4);
    EXPECT_EQ(
        Cli({QStringLiteral("dump"), locked, QStringLiteral("--password"), QStringLiteral("wrong")})
            .exitCode,
        4);
    const CliRun opened = Cli(
        {QStringLiteral("dump"), locked, QStringLiteral("--password"), QStringLiteral("s3cret")});
    EXPECT_EQ(opened.exitCode, 0);
    EXPECT_FALSE(opened.out.contains("s3cret"));
    EXPECT_TRUE(opened.out.contains("\"passwordSet\":1"));
    EXPECT_EQ(
        Cli({QStringLiteral("dump"), locked, QStringLiteral("--decimals"), QStringLiteral("3x")})
            .exitCode,
        2);
}

TEST(CliDump, OversizedFileIsReadOnlyAsFarAsTheTableNeeds) {
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("huge.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, MakeTable(2, 2)).ok());
    // A gigabyte of unwritten (sparse) records after the table's four.
    const qint64 records = 300000;
    ASSERT_TRUE(QFile::resize(path, qint64(kRecordSize) * records));

    const CliRun run = Cli({QStringLiteral("dump"), path, QStringLiteral("--raw")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(run.out)[QStringLiteral("cells")].toArray().size(), 4);
    EXPECT_EQ(run.err, "quadrivel-cli: " + path.toUtf8() + ": the table has 4 cells; the " +
                           QByteArray::number(qint64(kRecordSize) * (records - 4)) +
                           " bytes after their records were not read\n");
}
