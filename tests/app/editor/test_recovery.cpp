#include "app/editor/recovery_timer.h"
#include "app/editor_test_fixture.h"
#include "model/recovery_store.h"

#include <sys/stat.h>

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
    std::vector<RecoveryCopy> Copies() const { return ListRecoveryCopies(Folder()); }
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
        from.Command(command::kRecordFile);
        from.recovery().Finish();
        return TempFolder::Read(folder.Path(name));
    }

    ManualRecoveryTimer timer;
    ManualRecoveryTimer nextTimer;
};

} // namespace

TEST_F(RecoveryTest, CopyOfProtectedTableRestoresBoundToItsFile) {
    ui.newTable = [plain = ui.newTable](TableSettings& s, AppState& a) {
        s.passwordSet = 1;
        s.password = QStringLiteral("pw");
        return plain(s, a);
    };
    NewTable(4, 3);
    const QString original = folder.Path(QStringLiteral("work.qdvl"));
    ui.files = {original};
    Run(command::kRecordFile);
    EXPECT_FALSE(timer.Running()); // saved: nothing to keep

    ChangeAndCopy(QStringLiteral("c5c")); // a series: the copy keeps its command
    ASSERT_EQ(Copies().size(), 1u);
    const RecoveryCopy copy = Copies()[0];
    EXPECT_EQ(copy.originalPath, original);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(copy.copyPath).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // No new copy without a new change; a further change waits for the next turn.
    EXPECT_FALSE(timer.Running());
    EditText(2, 1, QStringLiteral("more"));
    EXPECT_TRUE(timer.Running());
    timer.Fire();
    editor().recovery().Finish();
    EXPECT_EQ(Copies().size(), 1u);

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
    EXPECT_EQ(Copies().size(), 1u); // kept until the restored table is saved

    const QByteArray restoredBytes = SavedBytes(restored, QStringLiteral("restored.qdvl"));
    EXPECT_TRUE(Copies().empty());
    const QByteArray firstBytes = SavedBytes(editor(), QStringLiteral("first.qdvl"));
    EXPECT_EQ(restoredBytes, firstBytes);
    EXPECT_EQ(restoredBytes.size(), 12 * 3331);
}

TEST_F(RecoveryTest, LaterKeepsDiscardAndExitRemove) {
    NewTable(3, 3);
    ChangeAndCopy(QStringLiteral("a"));
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_TRUE(Copies()[0].originalPath.isEmpty());

    NextRun({RecoveryChoice::Later});
    EXPECT_EQ(ui.recoveryQuestions,
              QStringList{Message(kRecoveryGroup, kCopyFoundEntry) + QStringLiteral("\r\n") +
                          Message(kRecoveryGroup, kNoFileEntry)});
    EXPECT_EQ(Copies().size(), 1u);
    NextRun({RecoveryChoice::Discard});
    EXPECT_TRUE(Copies().empty());

    // "Don't save" on exit drops the copy too.
    ChangeAndCopy(QStringLiteral("b"));
    ASSERT_EQ(Copies().size(), 1u);
    ui.saveChoices = {SaveChoice::Discard};
    Run(command::kExit);
    editor().recovery().Finish();
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
