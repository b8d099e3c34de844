// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/table_dump.h"
#include "content/clock.h"
#include "fixtures/cli_run.h"
#include "fixtures/fifo.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/file_problem.h"
#include "model/work_file.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/opening_view.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

class IgnoredMessages final : public MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

// One cell stored from (2, 2) to (102, 42).
QString OneCellTable(const TempFolder& folder, int thickness = 1) {
    Document document;
    document.settings.gridCellWidth = 100;
    document.settings.gridCellHeight = 40;
    document.settings.lineThickness = thickness;
    CreateTable(document, 1, 1, 2, 2, 0);
    const QString path = folder.Path(QStringLiteral("one.qdvl"));
    EXPECT_TRUE(SaveWorkFile(path, document).ok());
    return path;
}

QByteArray Head(const QString& path, int length) {
    return TempFolder::Read(path).left(length);
}

} // namespace

TEST(CliExport, KindsSizesAndFormats) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString jpeg = folder.Path(QStringLiteral("cut.jpg"));
    const CliOutcome jpegRun = Cli({QStringLiteral("export"), table, jpeg});
    ASSERT_EQ(jpegRun.exitCode, 0) << jpegRun.err.toStdString();
    EXPECT_TRUE(jpegRun.out.isEmpty());
    EXPECT_EQ(Head(jpeg, 3), QByteArray("\xFF\xD8\xFF", 3));
    EXPECT_EQ(QImageReader(jpeg).size(), QSize(101, 41));

    // The JPEG kind follows the extension: a .png name writes a PNG.
    const QString png = folder.Path(QStringLiteral("cut.png"));
    ASSERT_EQ(Cli({QStringLiteral("export"), table, png, QStringLiteral("--kind"),
                   QStringLiteral("jpeg")})
                  .exitCode,
              0);
    EXPECT_EQ(Head(png, 4), QByteArray("\x89PNG", 4));
    const QImage cut(png);
    ASSERT_EQ(cut.size(), QSize(101, 41));
    EXPECT_EQ(cut.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(cut.pixel(100, 40), qRgb(0, 0, 0));
    EXPECT_EQ(cut.pixel(50, 20), qRgb(255, 255, 255));

    const QString gif = folder.Path(QStringLiteral("cut.gif"));
    ASSERT_EQ(Cli({QStringLiteral("export"), table, gif}).exitCode, 0);
    EXPECT_EQ(QImage(gif).convertToFormat(QImage::Format_RGB32),
              cut.convertToFormat(QImage::Format_RGB32));

    const QString bitmap = folder.Path(QStringLiteral("cut.bmp"));
    ASSERT_EQ(Cli({QStringLiteral("export"), table, bitmap, QStringLiteral("--kind"),
                   QStringLiteral("bitmap")})
                  .exitCode,
              0);
    const QByteArray bytes = TempFolder::Read(bitmap);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(bytes.size(), 54 + 300 * 40); // 100 pixels of 3 bytes need no padding
    EXPECT_EQ(QImage(bitmap).size(), QSize(100, 40));

    const QString thick = OneCellTable(folder, 5);
    ASSERT_EQ(Cli({QStringLiteral("export"), thick, bitmap, QStringLiteral("--kind"),
                   QStringLiteral("bitmap")})
                  .exitCode,
              0);
    EXPECT_EQ(QImage(bitmap).size(), QSize(104, 44));
}

TEST(CliExport, OutputNotWritten) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString names[] = {folder.Path(QStringLiteral("no-extension")),
                             folder.Path(QStringLiteral("cut.xyz")),
                             folder.Path(QStringLiteral("missing/cut.png"))};
    for (const QString& name : names) {
        const CliOutcome run = Cli({QStringLiteral("export"), table, name});
        EXPECT_EQ(run.exitCode, 5) << name.toStdString();
        const QList<QByteArray> lines = OwnErrorLines(run.err);
        ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
        EXPECT_TRUE(lines[0].contains(name.toUtf8())) << lines[0].toStdString();
        EXPECT_FALSE(QFile::exists(name));
    }
    const CliOutcome render = Cli({QStringLiteral("render"), table, names[1]});
    EXPECT_EQ(render.exitCode, 5);
    EXPECT_FALSE(QFile::exists(names[1]));
    // Nothing else was left in the folder: no temporary files.
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("one.qdvl")});
}

TEST(CliExport, A111RowImportExportsAtItsFullHeight) {
    TempFolder folder;
    QByteArray csv;
    for (int row = 0; row < 111; ++row)
        csv += QByteArray::number(row) + ",5.1,3.5,1.4,setosa\n";
    const QString data = folder.Path(QStringLiteral("i.csv"));
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_EQ(Cli({QStringLiteral("import"), data, table}).exitCode, 0);
    const QString png = folder.Path(QStringLiteral("t.png"));
    const CliOutcome run = Cli({QStringLiteral("export"), table, png});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // 111 rows of 28 pixels, 110 separators of 2 and the frame's extra pixel; five columns
    // of 104.
    const QImage cut(png);
    ASSERT_EQ(cut.size(), QSize(5 * 104 + 4 * 2 + 1, 111 * 28 + 110 * 2 + 1));
    EXPECT_EQ(cut.pixel(10, cut.height() - 1), qRgb(0, 0, 0)); // the last row's bottom line
    EXPECT_EQ(cut.pixel(10, cut.height() - 3), qRgb(255, 255, 255));
}

TEST(CliExport, APictureBeyondItsFormatIsRefusedAndAVectorOneIsWhole) {
    TempFolder folder;
    // 2 x 16384 pixels: 32769 wide with the frame's extra pixel, one more than PNG takes.
    Document document = MakeTable(2, 1, 16384, 40);
    document.cell(1, 0).text = QStringLiteral("far"); // drawn more than a page's width away
    const QString table = folder.Path(QStringLiteral("wide.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());
    const QString png = folder.Path(QStringLiteral("wide.png"));
    const CliOutcome run = Cli({QStringLiteral("export"), table, png});
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_EQ(OwnErrorLines(run.err),
              QList<QByteArray>{"quadrivel-cli: " + png.toUtf8() +
                                ": the picture would be 32769 x 41 pixels, more than the 32767 "
                                "pixels a side this format allows"});
    EXPECT_FALSE(QFile::exists(png));

    const QString svg = folder.Path(QStringLiteral("wide.svg"));
    ASSERT_EQ(Cli({QStringLiteral("export"), table, svg}).exitCode, 0);
    const QByteArray markup = TempFolder::Read(svg);
    EXPECT_TRUE(markup.contains("viewBox=\"0 0 32769 41\""));
    EXPECT_TRUE(markup.contains(">far</text>"));
}

TEST(CliExport, ScaleTransparencyAndVectorFormats) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString png = folder.Path(QStringLiteral("cut.png"));
    const CliOutcome run = Cli({QStringLiteral("export"), table, png, QStringLiteral("--scale"),
                                QStringLiteral("3"), QStringLiteral("--transparent")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage cut(png);
    ASSERT_EQ(cut.size(), QSize(303, 123));
    EXPECT_EQ(cut.pixel(1, 1), qRgba(0, 0, 0, 255)); // the grid line, three pixels wide
    // The white cell on the white page is background, so it goes with the page.
    EXPECT_EQ(qAlpha(cut.pixel(150, 60)), 0);
    EXPECT_TRUE(cut.hasAlphaChannel());

    for (const char* name : {"cut.svg", "cut.pdf"}) {
        const QString path = folder.Path(QString::fromLatin1(name));
        const CliOutcome vector = Cli({QStringLiteral("export"), table, path});
        EXPECT_EQ(vector.exitCode, 0) << vector.err.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 100) << name;
    }
}

TEST(CliExport, NeverOverwritesTheInput) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString disguised = folder.Path(QStringLiteral("t.png"));
    ASSERT_TRUE(QFile::copy(table, disguised));
    const QString link = folder.Path(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(disguised, link));
    const QByteArray before = TempFolder::Read(disguised);
    for (const QString& out : {disguised, link}) {
        for (const char* command : {"export", "render"}) {
            const CliOutcome run = Cli({QString::fromLatin1(command), disguised, out});
            EXPECT_EQ(run.exitCode, 2) << command;
            EXPECT_TRUE(run.err.contains("would overwrite the input file")) << command;
        }
    }
    EXPECT_EQ(TempFolder::Read(disguised), before);
}

// A full disk as a file-size limit: the writer fails after 8 KB, the older picture stays.
TEST(CliExport, AFailedWriteKeepsTheOlderFile) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString tiff = folder.Path(QStringLiteral("keep.tif"));
    ASSERT_EQ(Cli({QStringLiteral("export"), table, tiff}).exitCode, 0);
    const QByteArray good = TempFolder::Read(tiff);
    QProcess shell;
    shell.start(QStringLiteral("/bin/bash"),
                {QStringLiteral("-c"),
                 QStringLiteral("ulimit -f 8; trap '' XFSZ; exec \"$0\" "
                                "export \"$1\" \"$2\" --scale 4"),
                 QStringLiteral(QUADRIVEL_CLI), table, tiff});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 5);
    EXPECT_TRUE(shell.readAllStandardError().contains("File too large"));
    EXPECT_EQ(TempFolder::Read(tiff), good);
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("keep.tif"), QStringLiteral("one.qdvl")}));
}

// A FIFO or a link to one stays what it is: no command renames a new file over it.
TEST(CliOutputs, AFifoIsNeverReplaced) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const Fifo fifo(folder.Path(QStringLiteral("pipe.png")));
    ASSERT_TRUE(fifo.made());
    const QString link = folder.Path(QStringLiteral("link.qdvl"));
    ASSERT_TRUE(QFile::link(fifo.path(), link));
    const QString data = folder.Write(QStringLiteral("d.csv"), "a,b\n");
    const QStringList runs[] = {
        {QStringLiteral("export"), table, fifo.path()},
        {QStringLiteral("render"), table, fifo.path()},
        {QStringLiteral("import"), data, link},
        {QStringLiteral("style"), table, link, QStringLiteral("--style"), QStringLiteral("plain")}};
    for (const QStringList& arguments : runs) {
        const CliOutcome run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 5) << arguments[0].toStdString();
        EXPECT_EQ(run.err, "quadrivel-cli: " + arguments[2].toUtf8() +
                               ": Not a regular file (a named pipe)\n");
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(RegularFileProblem(fifo.path()).reason,
              QStringLiteral("Not a regular file (a named pipe)"));
}

// Past the file-size limit the program is not killed, and every format says why it failed.
TEST(CliExport, AWritePastTheSizeLimitSaysFileTooLarge) {
    TempFolder folder;
    Document document = MakeTable(12, 12, 60, 20);
    for (int column = 0; column < 12; ++column) {
        for (int row = 0; row < 12; ++row)
            document.cell(column, row).text = QStringLiteral("%1 x %2").arg(column).arg(row);
    }
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());
    for (const char* name : {"f.jpg", "f.gif", "f.webp", "f.pdf", "f.bmp"}) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/bash"),
                    {QStringLiteral("-c"),
                     QStringLiteral("ulimit -f 4; exec \"$0\" export \"$1\" \"$2\" --kind \"$3\""),
                     QStringLiteral(QUADRIVEL_CLI), table, folder.Path(QString::fromLatin1(name)),
                     QString::fromLatin1(name).endsWith(u"bmp") ? QStringLiteral("bitmap")
                                                                : QStringLiteral("jpeg")});
        ASSERT_TRUE(shell.waitForFinished(60000));
        const QByteArray err = shell.readAllStandardError();
        if (err.contains("no encoder")) continue; // WebP without its plugin
        EXPECT_EQ(shell.exitCode(), 5) << name;
        EXPECT_EQ(err, "quadrivel-cli: " + folder.Path(QString::fromLatin1(name)).toUtf8() +
                           ": File too large\n");
    }
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("t.qdvl")});
}

TEST(CliRender, TheOpeningViewWithFrameAndMarks) {
    TempFolder folder;
    Document document;
    document.settings.gridCellWidth = 100;
    document.settings.gridCellHeight = 40;
    document.settings.pageColour = 0x00FF00;
    CreateTable(document, 2, 2, 2, 2, 0);
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());
    const QString out = folder.Path(QStringLiteral("view.png"));
    const CliOutcome run = Cli({QStringLiteral("render"), table, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage view(out);
    ASSERT_EQ(view.size(), QSize(1122, 1122));
    EXPECT_EQ(view.pixel(0, 0), qRgb(0, 255, 0));      // page colour
    EXPECT_EQ(view.pixel(1, 500), qRgb(0, 0, 0));      // page frame
    EXPECT_EQ(view.pixel(794, 1002), qRgb(255, 0, 0)); // dotted page mark, on
    EXPECT_EQ(view.pixel(794, 1005), qRgb(0, 255, 0)); // and off
    // The cells, stored from (2, 2), are drawn at the view origin 2, 2 further.
    EXPECT_EQ(view.pixel(4, 20), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(104, 20), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(204, 20), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(50, 4), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(3, 20), qRgb(0, 255, 0));
    EXPECT_EQ(view.pixel(50, 20), qRgb(255, 255, 255));
    EXPECT_EQ(view.pixel(300, 20), qRgb(0, 255, 0));
}

TEST(CliDump, OpeningStateWithShownTextAndCommands) {
    TempFolder folder;
    Document document = MakeTable(3, 2, 120, 20);
    document.cell(0, 0).text = QStringLiteral("F13/06/2025FEN");
    document.cell(0, 1).text = QStringLiteral("1234.5");
    document.cell(0, 1).numericAllowed = 1;
    document.cell(0, 1).numberFormat = 1;
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());

    const CliOutcome run =
        Cli({QStringLiteral("dump"), table, QStringLiteral("--today"), QStringLiteral("2025-06-14"),
             QStringLiteral("--decimals"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json[QStringLiteral("decimalPlaces")].toInt(), 3);
    const QJsonArray cells = json[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 6);
    const auto field = [&cells](int index, const char* key) -> QJsonValue {
        return cells[index].toObject()[QLatin1String(key)];
    };
    EXPECT_EQ(field(0, "text").toString(), QStringLiteral("Friday 13/06/2025"));
    EXPECT_EQ(field(1, "text").toString(), QStringLiteral("Today"));
    EXPECT_EQ(field(2, "text").toString(), QStringLiteral("Sunday 15/06/2025"));
    EXPECT_EQ(field(0, "command").toString(), QStringLiteral("F13/06/2025FEN"));
    EXPECT_EQ(field(1, "command").toString(), QString());
    EXPECT_EQ(field(3, "text").toString(), QStringLiteral("1234.5"));
    EXPECT_EQ(field(3, "shownText").toString(), QStringLiteral("1,234.500"));
    EXPECT_EQ(field(1, "shownText").toString(), QStringLiteral("Today"));
    // shownText follows text, command closes each cell.
    EXPECT_TRUE(run.out.contains("\"text\":\"1234.5\",\"shownText\":\"1,234.500\",\"alignment\""));
    EXPECT_TRUE(run.out.contains(",\"command\":\"F13/06/2025FEN\"}"));

    // Raw: as loaded, nothing evaluated.
    const CliOutcome raw = Cli({QStringLiteral("dump"), table, QStringLiteral("--raw")});
    ASSERT_EQ(raw.exitCode, 0);
    const QJsonArray rawCells =
        QJsonDocument::fromJson(raw.out).object()[QStringLiteral("cells")].toArray();
    EXPECT_EQ(rawCells[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("F13/06/2025FEN"));
    EXPECT_EQ(rawCells[0].toObject()[QStringLiteral("command")].toString(), QString());
    EXPECT_EQ(rawCells[3].toObject()[QStringLiteral("shownText")].toString(),
              QStringLiteral("1,234.50"));
}

TEST(CliUsage, OptionsAreCheckedPerCommand) {
    TempFolder folder;
    const QString table = OneCellTable(folder);
    const QString out = folder.Path(QStringLiteral("x.png"));
    const QStringList refused[] = {
        {QStringLiteral("render"), table},
        {QStringLiteral("export"), table},
        {QStringLiteral("dump"), table, out},
        {QStringLiteral("export"), table, out, QStringLiteral("--kind"), QStringLiteral("gif")},
        {QStringLiteral("render"), table, out, QStringLiteral("--kind"), QStringLiteral("jpeg")},
        {QStringLiteral("export"), table, out, QStringLiteral("--raw")},
        {QStringLiteral("dump"), table, QStringLiteral("--today"), QStringLiteral("2025-13-01")},
        {QStringLiteral("dump"), table, QStringLiteral("--today"), QStringLiteral("14.06.2025")},
        {QStringLiteral("render"), table, out, QStringLiteral("--decimals"), QStringLiteral("7")},
        {QStringLiteral("export"), table, out, QStringLiteral("--decimals"), QStringLiteral("1")},
        {QStringLiteral("export"), table, out, QStringLiteral("--scale"), QStringLiteral("5")},
        {QStringLiteral("export"), table, out, QStringLiteral("--scale"), QStringLiteral("2x")},
        {QStringLiteral("render"), table, out, QStringLiteral("--scale"), QStringLiteral("2")},
        {QStringLiteral("render"), table, out, QStringLiteral("--transparent")},
        {QStringLiteral("export"), table, folder.Path(QStringLiteral("x.jpg")),
         QStringLiteral("--transparent")},
        {QStringLiteral("export"), table, out, QStringLiteral("--kind"), QStringLiteral("bitmap"),
         QStringLiteral("--transparent")},
    };
    for (const QStringList& arguments : refused) {
        const CliOutcome run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
    const CliOutcome missing =
        Cli({QStringLiteral("export"), folder.Path(QStringLiteral("none.qdvl")), out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(
        Cli({QStringLiteral("render"), folder.Write(QStringLiteral("junk.qdvl"), "junk"), out})
            .exitCode,
        3);
    EXPECT_FALSE(QFile::exists(out));
}

// Both title bars, a series whose values an operation reads, and an operation that reads the
// corner cell the title bars cancel. Opening computes the operations before the first redraw
// evaluates the series and cancels the corner; the export recomputes them after it.
TEST(CliOpening, DumpAndExportStartFromTheEditorsOpeningState) {
    TempFolder folder;
    Document document = MakeTable(5, 4, 60, 20);
    document.settings.horizontalTitleBar = 1;
    document.settings.verticalTitleBar = 1;
    document.cell(0, 0).text = QStringLiteral("100");
    document.cell(0, 1).text = QStringLiteral("10");
    document.cell(0, 2).text = QStringLiteral("20");
    document.cell(0, 3).operationDescriptor = QStringLiteral("1010300000"); // rows 1 to 3
    document.cell(1, 1).text = QStringLiteral("f5f");
    document.cell(1, 2).text = QStringLiteral("1");
    document.cell(2, 2).text = QStringLiteral("2");
    document.cell(3, 2).text = QStringLiteral("3");
    document.cell(4, 2).operationDescriptor = QStringLiteral("0000010204"); // columns 2 to 4
    document.cell(1, 3).operationDescriptor = QStringLiteral("1020300000"); // rows 2 to 3
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());

    const CliOutcome dump = Cli(
        {QStringLiteral("dump"), table, QStringLiteral("--today"), QStringLiteral("2025-06-15")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();

    const FixedClock clock(QDate(2025, 6, 15));
    IgnoredMessages messages;
    Document opened;
    ASSERT_TRUE(LoadAnyWorkFile(table, opened, [] { return QString(); }).ok());
    RenderOpeningView(opened, QStringLiteral(".00"), 0, clock, messages);
    EXPECT_EQ(opened.cell(1, 1).text, QStringLiteral("5"));
    EXPECT_EQ(opened.cell(1, 3).text, QStringLiteral("1"));   // "f5f" read as 0, plus 1
    EXPECT_EQ(opened.cell(0, 3).text, QStringLiteral("130")); // the corner still counted
    EXPECT_EQ(opened.cell(4, 2).text, QStringLiteral("6"));
    EXPECT_EQ(dump.out, DumpTableJson(opened, 2));

    // The export equals the cut drawn in process after the real opening redraw.
    const QString png = folder.Path(QStringLiteral("cut.png"));
    const CliOutcome exported = Cli({QStringLiteral("export"), table, png,
                                     QStringLiteral("--today"), QStringLiteral("2025-06-15")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    QtDrawingSurface surface;
    ImageReportMemory reports;
    const QImage expected = RenderCutPicture(ExportKind::Jpeg, surface, opened, RenderOptions{},
                                             clock, messages, reports);
    EXPECT_EQ(opened.cell(1, 3).text, QStringLiteral("6"));  // the series' 5 plus 1
    EXPECT_EQ(opened.cell(0, 3).text, QStringLiteral("30")); // the cancelled corner left out
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
}
