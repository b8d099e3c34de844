// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/fifo.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"
#include "model/work_file_layout.h"

#include <QDir>
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

CliRun Cli(const QStringList& arguments, const QByteArray& input = {},
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString LockedTable(const TempFolder& folder) {
    Document document = MakeTable(2, 2, 20, 20);
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("s3cret");
    const QString path = folder.Path(QStringLiteral("locked.qdvl"));
    EXPECT_TRUE(SaveWorkFile(path, document).ok());
    return path;
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
    // Help alone is an answer, not a usage error; beside a command it is an unknown option.
    const CliRun help = Cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: quadrivel-cli dump FILE"));
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_EQ(Cli({QStringLiteral("dump"), QStringLiteral("--help")}).exitCode, 2);

    const CliRun missing = Cli({QStringLiteral("dump"), folder.Path(QStringLiteral("none.qdvl"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("none.qdvl"));

    const QString junk = folder.Write(QStringLiteral("junk.qdvl"), QByteArray(100, 'x'));
    EXPECT_EQ(Cli({QStringLiteral("dump"), junk}).exitCode, 3);
    const QString empty = folder.Write(QStringLiteral("empty.qdvl"), QByteArray());
    EXPECT_EQ(Cli({QStringLiteral("dump"), empty}).exitCode, 3);

    const QString locked = LockedTable(folder);
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
    // 6 is the most decimals there are; 7 is a usage error.
    const auto decimals = [&](const char* n) {
        return Cli({QStringLiteral("dump"), locked, QStringLiteral("--password"),
                    QStringLiteral("s3cret"), QStringLiteral("--decimals"),
                    QString::fromLatin1(n)});
    };
    EXPECT_TRUE(decimals("6").out.contains("\"decimalPlaces\":6"));
    EXPECT_EQ(decimals("7").exitCode, 2);
}

// Output that cannot be written is a failure, not a success: a full disk behind stdout.
TEST(CliDump, AStandardOutputThatCannotBeWrittenFails) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("table.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, MakeTable(3, 3, 20, 20)).ok());
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--version")}, QStringList{QStringLiteral("dump"), table}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 5) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains(
            "quadrivel-cli: the standard output could not be written"));
    }
    // Written where it can be, the same runs succeed.
    EXPECT_EQ(Cli({QStringLiteral("--version")}).exitCode, 0);
    EXPECT_TRUE(Cli({QStringLiteral("dump"), table}).out.endsWith("}\n"));
}

TEST(CliDump, InputsThatAreNoFilesSayWhatTheyAre) {
    TempFolder folder;
    const Fifo fifo(folder.Path(QStringLiteral("fifo.qdvl")));
    ASSERT_TRUE(fifo.made());
    const QString loop = folder.Path(QStringLiteral("loop.qdvl"));
    ASSERT_TRUE(QFile::link(loop, loop));
    const QString sub = folder.Path(QStringLiteral("sub.qdvl"));
    ASSERT_TRUE(QDir().mkpath(sub));
    const std::pair<QString, QByteArray> inputs[] = {
        {fifo.path(), "Not a regular file (a named pipe)"},
        {sub, "Is a directory"},
        {loop, "Too many levels of symbolic links"},
        {folder.Path(QStringLiteral("none.qdvl")), "No such file or directory"},
    };
    for (const auto& [path, reason] : inputs) {
        const CliRun run = Cli({QStringLiteral("dump"), path});
        EXPECT_EQ(run.exitCode, 1) << reason.constData();
        EXPECT_EQ(run.err, "quadrivel-cli: " + path.toUtf8() + ": " + reason + '\n');
    }
}

TEST(CliDump, PasswordFromAFileStandardInputOrTheEnvironment) {
    TempFolder folder;
    const QString locked = LockedTable(folder);
    const QStringList dump{QStringLiteral("dump"), locked};
    const QString passwordFile = QStringLiteral("--password-file");
    const QString file = folder.Write(QStringLiteral("pw"), "s3cret\nignored\n");
    EXPECT_EQ(Cli(dump + QStringList{passwordFile, file}).exitCode, 0);
    EXPECT_EQ(Cli(dump + QStringList{passwordFile, QStringLiteral("-")}, "s3cret\r\n").exitCode, 0);
    EXPECT_EQ(Cli(dump + QStringList{passwordFile, QStringLiteral("-")}, "wrong\n").exitCode, 4);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUADRIVEL_PASSWORD"), QStringLiteral("s3cret"));
    EXPECT_EQ(Cli(dump, {}, environment).exitCode, 0);
    // An option names the password for this one command: it wins over the environment.
    EXPECT_EQ(
        Cli(dump + QStringList{QStringLiteral("--password"), QStringLiteral("x")}, {}, environment)
            .exitCode,
        4);

    EXPECT_EQ(Cli(dump + QStringList{QStringLiteral("--password"), QStringLiteral("s3cret"),
                                     passwordFile, file})
                  .exitCode,
              2);
    const QString none = folder.Path(QStringLiteral("none"));
    const CliRun missing = Cli(dump + QStringList{passwordFile, none});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "quadrivel-cli: " + none.toUtf8() + ": No such file or directory\n");
}

TEST(CliDump, ASettingsFileThatIsNoFileLeavesTheDefaultsWithAWarning) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, MakeTable(1, 1)).ok());
    const Fifo fifo(folder.Path(QStringLiteral("Quadrivel.ini")));
    ASSERT_TRUE(fifo.made());
    CliResult result;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] {
        result =
            RunCli({QStringLiteral("dump"), table, QStringLiteral("--raw")}, {fifo.path(), {}, {}});
    }));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("\"decimalPlaces\":2"));
    EXPECT_EQ(result.messages,
              QStringList{QStringLiteral("settings not read, the defaults stand: ") + fifo.path() +
                          QStringLiteral(": Not a regular file (a named pipe)")});
}

TEST(CliDump, RecordsThatHoldNothingAreNotStored) {
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("huge.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, MakeTable(2, 2)).ok());
    // 10 MB of unwritten (sparse) records after the table's four.
    const qint64 records = 3000;
    ASSERT_TRUE(QFile::resize(path, qint64(kRecordSize) * records));

    const CliRun run = Cli({QStringLiteral("dump"), path, QStringLiteral("--raw")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray cells = QJsonDocument::fromJson(run.out)[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 4);
    EXPECT_EQ(cells[0][QStringLiteral("fontName")].toString(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(run.err, "quadrivel-cli: " + path.toUtf8() +
                           ": 2996 of its 3000 records lie outside the table's 4 cells or hold "
                           "nothing\n");
}
