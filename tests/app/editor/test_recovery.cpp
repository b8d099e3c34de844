// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor/recovery_timer.h"
#include "app/editor_test_fixture.h"
#include "model/recovery_store.h"

#include <QDir>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Falls due only when the test says so.
class ManualRecoveryTimer final : public RecoveryTimer {
public:
    void Start(std::function<void()> due) override {
        due_ = std::move(due);
        running_ = true;
    }
    void Stop() override { running_ = false; }
    bool Running() const override { return running_; }
    void Fire() {
        ASSERT_TRUE(running_);
        running_ = false;
        due_();
    }

private:
    std::function<void()> due_;
    bool running_ = false;
};

class RecoveryTest : public EditorTest {
protected:
    RecoveryTest() { editor().recovery().Enable(timer, Folder()); }

    QString Folder() const { return folder.Path(QStringLiteral("state/quadrivel/recovery")); }
    // The copies another editor would be offered now.
    std::vector<RecoveryCopy> Copies() const { return ListRecoveryCopies(Folder()); }
    QStringList Files(const QString& pattern) const {
        return QDir(Folder()).entryList({pattern}, QDir::Files);
    }
    // The first run ends without dropping its copy, as when it was killed.
    void EndFirstRun() { window.reset(); }
    void StartAgain() {
        window = std::make_unique<MainWindow>(ui, clock, state);
        window->editor().Initialise(QString());
        editor().recovery().Enable(timer, Folder());
    }
    // A change, its copy written by the worker.
    void ChangeAndCopy(const QString& text) {
        EditText(1, 1, text);
        timer.Fire();
        editor().recovery().Finish();
    }
    // The editor of the next run: offered the copies left behind, with the given answers.
    std::unique_ptr<MainWindow> NextRun(std::deque<RecoveryChoice> choices) {
        auto next = std::make_unique<MainWindow>(ui, clock, state);
        next->editor().recovery().Enable(nextTimer, Folder());
        next->editor().Initialise(QString());
        ui.recoveryQuestions.clear();
        ui.recoveryChoices = std::move(choices);
        next->editor().OfferRecoveryCopies();
        next->editor().recovery().Finish();
        return next;
    }
    QByteArray SavedBytes(Editor& from, const QString& name) {
        ui.files = {folder.Path(name)};
        from.Command(CommandId::RecordFile);
        from.recovery().Finish();
        return TempFolder::Read(folder.Path(name));
    }

    ManualRecoveryTimer timer;
    ManualRecoveryTimer nextTimer;
};

} // namespace

TEST_F(RecoveryTest, CopyOfProtectedTableRestoresBoundToItsFile) {
    ui.newTable = [plain = ui.newTable](TableSettings& s, ProgramState& a) {
        s.passwordSet = 1;
        s.password = QStringLiteral("pw");
        return plain(s, a);
    };
    NewTable(4, 3);
    const QString original = folder.Path(QStringLiteral("work.qdvl"));
    ui.files = {original};
    Run(CommandId::RecordFile);
    EXPECT_FALSE(timer.Running()); // saved: nothing to keep

    ChangeAndCopy(QStringLiteral("c5c")); // a series: the copy keeps its command
    ASSERT_EQ(Files(QStringLiteral("*.qdvl")).size(), 1);
    // No new copy without a new change; a further change waits for the next turn.
    EXPECT_FALSE(timer.Running());
    EditText(2, 1, QStringLiteral("more"));
    EXPECT_TRUE(timer.Running());
    timer.Fire();
    editor().recovery().Finish();
    EndFirstRun();
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_EQ(Copies()[0].originalPath, original);
    const QString copyPath = Copies()[0].copyPath; // its lock let go again
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(copyPath).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QByteArray copyBytes = TempFolder::Read(copyPath);

    ui.passwords = {QStringLiteral("pw")};
    const auto next = NextRun({RecoveryChoice::Restore});
    EXPECT_EQ(ui.recoveryQuestions, QStringList{Message(kRecoveryGroup, kCopyFoundEntry) +
                                                QStringLiteral("\r\n") + original});
    EXPECT_EQ(ui.dialogsRun.count(QStringLiteral("password")), 1);
    Editor& restored = next->editor();
    EXPECT_EQ(restored.document().workFilePath, original);
    EXPECT_EQ(restored.document().commands.at(1, 1), QStringLiteral("c5c"));
    EXPECT_EQ(restored.document().cell(1, 2).text, QStringLiteral("6"));
    EXPECT_TRUE(restored.document().undo.Modified());
    EXPECT_TRUE(next->isWindowModified());
    EXPECT_EQ(Files(QStringLiteral("*.qdvl")).size(), 1); // kept until the table is saved

    const QByteArray restoredBytes = SavedBytes(restored, QStringLiteral("restored.qdvl"));
    EXPECT_TRUE(Files(QStringLiteral("*")).empty());
    EXPECT_EQ(restoredBytes, copyBytes);
    EXPECT_EQ(restoredBytes.size(), 12 * 3331);
}

TEST_F(RecoveryTest, LaterKeepsDiscardAndExitRemove) {
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    EndFirstRun();
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_TRUE(Copies()[0].originalPath.isEmpty());

    NextRun({RecoveryChoice::Later});
    EXPECT_EQ(ui.recoveryQuestions,
              QStringList{Message(kRecoveryGroup, kCopyFoundEntry) + QStringLiteral("\r\n") +
                          Message(kRecoveryGroup, kNoFileEntry)});
    EXPECT_EQ(Copies().size(), 1u);
    NextRun({RecoveryChoice::Discard});
    EXPECT_TRUE(Files(QStringLiteral("*")).empty());

    // "Don't save" on exit drops the copy too.
    StartAgain();
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("b"));
    ASSERT_EQ(Files(QStringLiteral("*.qdvl")).size(), 1);
    ui.saveChoices = {SaveChoice::Discard};
    Run(CommandId::Exit);
    editor().recovery().Finish();
    EXPECT_TRUE(Files(QStringLiteral("*")).empty());
}

TEST_F(RecoveryTest, LiveCopyIsNotOfferedUntilItsEditorIsGone) {
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    const QStringList locks = Files(QStringLiteral("*.lock"));
    ASSERT_EQ(locks.size(), 1);
    NextRun({RecoveryChoice::Discard});
    EXPECT_TRUE(ui.recoveryQuestions.isEmpty());
    EXPECT_EQ(Files(QStringLiteral("*.qdvl")).size(), 1);

    // The lock of an editor that died is left behind; it counts as gone.
    EndFirstRun();
    const pid_t child = fork();
    if (child == 0) {
        alarm(20);
        const std::vector<RecoveryCopy> held = ListRecoveryCopies(Folder());
        _exit(held.size() == 1 ? 0 : 1); // no unlocking on the way out
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(Files(QStringLiteral("*.lock")), locks);
    NextRun({RecoveryChoice::Later});
    EXPECT_EQ(ui.recoveryQuestions.size(), 1);
}

TEST_F(RecoveryTest, OnlyTheUsersOwnCopiesInAClosedFolderAreOffered) {
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    EndFirstRun();
    const QByteArray path = QFile::encodeName(Folder());
    ASSERT_EQ(chmod(path.constData(), 0777), 0);
    EXPECT_TRUE(Copies().empty());
    ASSERT_EQ(chmod(path.constData(), 0700), 0);
    ASSERT_EQ(Copies().size(), 1u);
    if (geteuid() != 0) GTEST_SKIP() << "planting another account's files needs root";
    for (const QString& pattern : {QStringLiteral("*.qdvl"), QStringLiteral("*.origin")}) {
        const QByteArray planted = QFile::encodeName(Folder() + u'/' + Files(pattern)[0]);
        ASSERT_EQ(chown(planted.constData(), 65534, 65534), 0);
        EXPECT_TRUE(Copies().empty());
        ASSERT_EQ(chown(planted.constData(), 0, 0), 0);
    }
    EXPECT_EQ(Copies().size(), 1u);
}

TEST_F(RecoveryTest, NoteNamingAnotherKindOfFileIsShownButNotSavedOver) {
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    EndFirstRun();
    const QString text = folder.Write(QStringLiteral("notes.txt"), "mine");
    folder.Write(QStringLiteral("state/quadrivel/recovery/") + Files(QStringLiteral("*.origin"))[0],
                 text.toUtf8());
    const auto next = NextRun({RecoveryChoice::Restore});
    EXPECT_EQ(ui.recoveryQuestions, QStringList{Message(kRecoveryGroup, kCopyFoundEntry) +
                                                QStringLiteral("\r\n") + text});
    EXPECT_TRUE(next->editor().document().workFilePath.isEmpty());
    next->editor().Command(CommandId::RecordFile); // the name is asked, none given
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.fileRequests[0].startPath.isEmpty());
    EXPECT_EQ(TempFolder::Read(text), "mine");
}

TEST_F(RecoveryTest, SymbolicLinkFolderIsRefusedOnceAndLeftAlone) {
    const QString shared = folder.Path(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(chmod(QFile::encodeName(shared).constData(), 01777), 0);
    ASSERT_TRUE(QDir().mkpath(folder.Path(QStringLiteral("state/quadrivel"))));
    ASSERT_TRUE(QFile::link(shared, Folder()));
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    ChangeAndCopy(QStringLiteral("b"));
    EXPECT_EQ(ui.messages, QStringList{Message(kRecoveryGroup, kFolderIsLinkEntry) + Folder()});
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(shared).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 01777u);
    EXPECT_TRUE(QDir(shared).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    // Nor are copies taken from it.
    ASSERT_EQ(chmod(QFile::encodeName(shared).constData(), 0700), 0);
    ASSERT_TRUE(WriteRecoveryCopy(NewRecoveryCopy(shared), WorkFileBytes(document())).ok());
    EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, UnwritableFolderIsToldOnce) {
    editor().recovery().Enable(timer, folder.Write(QStringLiteral("file"), "x") +
                                          QStringLiteral("/recovery"));
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    ChangeAndCopy(QStringLiteral("b"));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith(Message(kRecoveryGroup, kCopyFailedEntry) +
                                          folder.Path(QStringLiteral("file"))));
}

TEST(RecoveryStore, FolderFollowsXdgStateHome) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
    EXPECT_EQ(RecoveryFolderFrom(environment),
              QStringLiteral("/home/u/.local/state/quadrivel/recovery"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), QStringLiteral("relative"));
    EXPECT_EQ(RecoveryFolderFrom(environment),
              QStringLiteral("/home/u/.local/state/quadrivel/recovery"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), QStringLiteral("/s"));
    EXPECT_EQ(RecoveryFolderFrom(environment), QStringLiteral("/s/quadrivel/recovery"));
}
