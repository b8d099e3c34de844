#include "app/editor/recovery_keeper.h"

#include "app/editor/recovery_timer.h"
#include "content/operations.h"
#include "content/series_evaluation.h"
#include "model/document.h"
#include "model/recovery_store.h"
#include "model/work_file.h"

#include <QCoreApplication>
#include <memory>

RecoveryKeeper::RecoveryKeeper(const Document& document, std::function<void(const QString&)> failed)
    : document_(document), failed_(std::move(failed)) {
    worker_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper() {
    worker_.waitForDone();
}

void RecoveryKeeper::Enable(RecoveryTimer& timer, const QString& folder) {
    timer_ = &timer;
    folder_ = folder;
}

void RecoveryKeeper::Follow(bool unsaved) {
    if (!enabled()) return;
    if (!unsaved) return Drop();
    if (copiedVersion_ != document_.undo.version && !timer_->Running())
        timer_->Start([this] { Due(); });
}

void RecoveryKeeper::Drop() {
    if (!enabled()) return;
    timer_->Stop();
    copiedVersion_.reset();
    if (copyPath_.isEmpty()) return;
    worker_.start([path = copyPath_] { RemoveRecoveryCopy(path); });
    copyPath_.clear();
}

void RecoveryKeeper::Adopt(const QString& copyPath) {
    if (!enabled()) return;
    timer_->Stop();
    copyPath_ = copyPath;
    copiedVersion_ = document_.undo.version;
}

void RecoveryKeeper::Finish() {
    worker_.waitForDone();
    QCoreApplication::sendPostedEvents(&receiver_);
}

void RecoveryKeeper::Due() {
    if (!document_.undo.Modified() || copiedVersion_ == document_.undo.version) return;
    copiedVersion_ = document_.undo.version;
    if (copyPath_.isEmpty()) copyPath_ = NewRecoveryCopyPath(folder_);
    const RecoveryCopy copy{copyPath_, document_.workFilePath};
    worker_.start([this, copy, table = std::make_shared<Document>(RecoverySnapshot(document_))] {
        // As a save prepares the table: operations up to date, series commands in place.
        RecomputeOperations(*table);
        RestoreCommands(*table);
        const Status status = WriteRecoveryCopy(copy, WorkFileBytes(*table));
        QMetaObject::invokeMethod(
            &receiver_, [this, status] { Heard(status); }, Qt::QueuedConnection);
    });
}

// A failing folder is told once, not every minute, until a copy is written again.
void RecoveryKeeper::Heard(const Status& status) {
    if (status.ok()) {
        failureShown_ = false;
        return;
    }
    if (failureShown_) return;
    failureShown_ = true;
    failed_(status.detail);
}
