// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/fifo.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/favourite_palette.h"
#include "model/file_problem.h"
#include "model/recovery_store.h"
#include "model/settings_file.h"
#include "model/whole_file_write.h"
#include "model/work_file.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QString Reason(const QString& path, const char* reason) {
    return path + QStringLiteral(": ") + QString::fromLatin1(reason);
}

// Files written while it lives may grow to `bytes`; a write past that fails with EFBIG
// instead of killing the process with SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &savedAction_);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        sigaction(SIGXFSZ, &savedAction_, nullptr);
    }

private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

} // namespace

TEST(OwnFiles, OnlyRegularFilesUpTo1MBAreReadElseTheDefaultsStandWithAWarning) {
    TempFolder folder;
    const Fifo fifo(folder.Path(QStringLiteral("Quadrivel.ini")));
    ASSERT_TRUE(fifo.made());
    QString warning;
    ProgramSettings settings;
    settings.decimalPlaces = 6;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] { settings = LoadSettings(fifo.path(), &warning); }));
    EXPECT_EQ(settings, ProgramSettings());
    EXPECT_EQ(warning, Reason(fifo.path(), "Not a regular file (a named pipe)"));
    FavouritePalette palette;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] { palette = LoadPalette(fifo.path(), &warning); }));
    EXPECT_EQ(palette, DefaultPalette());
    EXPECT_EQ(warning, Reason(fifo.path(), "Not a regular file (a named pipe)"));

    QByteArray text("[General]\r\ndecimales=5\r\n");
    text.append(QByteArray(qsizetype(kOwnFileMaxBytes) - text.size(), ' '));
    const QString largest = folder.Write(QStringLiteral("largest.ini"), text);
    EXPECT_EQ(LoadSettings(largest, &warning).decimalPlaces, 5);
    EXPECT_TRUE(warning.isEmpty());
    const QString larger = folder.Write(QStringLiteral("larger.ini"), text + ' ');
    EXPECT_EQ(LoadSettings(larger, &warning), ProgramSettings());
    EXPECT_EQ(warning, Reason(larger, "File too large"));

    const QString sub = folder.Path(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(sub));
    EXPECT_EQ(LoadPalette(sub, &warning), DefaultPalette());
    EXPECT_EQ(warning, Reason(sub, "Is a directory"));
    // A first start has no files yet: nothing to warn about.
    EXPECT_EQ(LoadSettings(folder.Path(QStringLiteral("none.ini")), &warning), ProgramSettings());
    EXPECT_TRUE(warning.isEmpty());
}

TEST(WorkFileProblems, SayTheSystemsReason) {
    TempFolder folder;
    Document document = MakeTable(5, 5);
    const auto loadFailure = [&](const QString& path) {
        const Status status = LoadAnyWorkFile(path, document, {});
        EXPECT_EQ(status.code, StatusCode::Unreadable);
        return status.detail;
    };
    const Fifo fifo(folder.Path(QStringLiteral("fifo.qdvl")));
    ASSERT_TRUE(fifo.made());
    QString detail;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] { detail = loadFailure(fifo.path()); }));
    EXPECT_EQ(detail, Reason(fifo.path(), "Not a regular file (a named pipe)"));
    const QString sub = folder.Path(QStringLiteral("sub.qdvl"));
    ASSERT_TRUE(QDir().mkpath(sub));
    EXPECT_EQ(loadFailure(sub), Reason(sub, "Is a directory"));
    const QString loop = folder.Path(QStringLiteral("loop.qdvl"));
    ASSERT_TRUE(QFile::link(folder.Path(QStringLiteral("back.qdvl")), loop));
    ASSERT_TRUE(QFile::link(loop, folder.Path(QStringLiteral("back.qdvl"))));
    EXPECT_EQ(loadFailure(loop), Reason(loop, "Too many levels of symbolic links"));
    const QString none = folder.Path(QStringLiteral("none.qdvl"));
    EXPECT_EQ(loadFailure(none), Reason(none, "No such file or directory"));
    EXPECT_EQ(document.settings.columnCount, 5); // the open table stays

    // A write cut short (the disk full, or here the file-size limit) says why and keeps the
    // old file whole.
    const QString path = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_TRUE(SaveWorkFile(path, MakeTable(2, 2)).ok());
    const QByteArray old = TempFolder::Read(path);
    const QString settingsPath = folder.Path(QStringLiteral("Quadrivel.ini"));
    ASSERT_TRUE(SaveSettings(settingsPath, ProgramSettings()).ok());
    const QByteArray oldSettings = TempFolder::Read(settingsPath);
    ProgramSettings changed;
    changed.decimalPlaces = 4;
    Status saved;
    Status settingsSaved;
    {
        const FileSizeLimit limit(100); // below both files
        saved = SaveWorkFile(path, document);
        // A file this small goes out in one piece at the end, where a cut is easily missed.
        settingsSaved = SaveSettings(settingsPath, changed);
    }
    EXPECT_EQ(saved.code, StatusCode::WriteFailed);
    EXPECT_EQ(saved.detail, Reason(path, "File too large"));
    EXPECT_EQ(TempFolder::Read(path), old);
    EXPECT_EQ(settingsSaved.code, StatusCode::WriteFailed);
    EXPECT_EQ(settingsSaved.detail, Reason(settingsPath, "File too large"));
    EXPECT_EQ(TempFolder::Read(settingsPath), oldSettings);
    // A large table goes out in pieces: cut after the first, the old file stays as well.
    {
        const FileSizeLimit limit(4 << 20);
        saved = SaveWorkFile(path, MakeTable(kGridCapacity, kGridCapacity));
    }
    EXPECT_EQ(saved.detail, Reason(path, "File too large"));
    EXPECT_EQ(TempFolder::Read(path), old);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Quadrivel.ini"), QStringLiteral("t.qdvl")}))
        << "no temporary file left";

    // A FIFO put in the file's place while it is written is not renamed over.
    saved = WriteWholeFileInChunks(path, 0, [&path](const ChunkWriter& write) {
        QFile::remove(path);
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        return write("x", 1);
    });
    EXPECT_EQ(saved.detail, Reason(path, "Not a regular file (a named pipe)"));
    EXPECT_EQ(RegularFileProblem(path).reason, QStringLiteral("Not a regular file (a named pipe)"));
}

TEST(RecoveryCopies, ACopyWhoseNoteIsAFifoIsNotOfferedNorWaitedOn) {
    TempFolder folder;
    const QByteArray table = WorkFileBytes(MakeTable(1, 1));
    folder.Write(QStringLiteral("a.qdvl"), table);
    const Fifo note(folder.Path(QStringLiteral("a.origin")));
    ASSERT_TRUE(note.made());
    folder.Write(QStringLiteral("b.qdvl"), table);
    folder.Write(QStringLiteral("b.origin"), "/t/b.qdvl");
    // A copy whose note is a FIFO is not offered, and nothing waits for a writer.
    std::vector<RecoveryCopy> copies;
    EXPECT_TRUE(note.ReturnsWithoutWriter([&] { copies = ListRecoveryCopies(folder.Path({})); }));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].copyPath, folder.Path(QStringLiteral("b.qdvl")));
    EXPECT_EQ(copies[0].originalPath, QStringLiteral("/t/b.qdvl"));
}
