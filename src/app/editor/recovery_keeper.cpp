// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor/recovery_keeper.h"

#include "app/editor/recovery_timer.h"
#include "content/operations.h"
#include "content/series_evaluation.h"
#include "model/document.h"
#include "model/recovery_store.h"
#include "model/work_file.h"

#include <QCoreApplication>
#include <memory>
#include <utility>

RecoveryKeeper::RecoveryKeeper(const Document& document,
                               std::function<void(RecoveryTrouble, const QString&)> failed)
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
    if (copy_.copyPath.isEmpty()) return;
    worker_.start([copy = std::exchange(copy_, {})] { RemoveRecoveryCopy(copy); });
}

void RecoveryKeeper::Adopt(const RecoveryCopy& copy) {
    if (!enabled()) return;
    timer_->Stop();
    copy_ = copy;
    copiedVersion_ = document_.undo.version;
}

void RecoveryKeeper::Finish() {
    worker_.waitForDone();
    QCoreApplication::sendPostedEvents(&receiver_);
}

void RecoveryKeeper::Due() {
    if (!document_.undo.Modified() || copiedVersion_ == document_.undo.version) return;
    copiedVersion_ = document_.undo.version;
    // Its target may be a folder others share, whose mode is not ours to change.
    if (RecoveryFolderIsLink(folder_)) return Tell(RecoveryTrouble::FolderIsLink, folder_);
    if (copy_.copyPath.isEmpty()) copy_ = NewRecoveryCopy(folder_);
    RecoveryCopy copy = copy_;
    copy.originalPath = document_.workFilePath;
    worker_.start([this, copy, table = std::make_shared<Document>(RecoverySnapshot(document_))] {
        // As a save prepares the table: operations up to date, series commands in place.
        RecomputeOperations(*table);
        RestoreCommands(*table);
        const Status status = WriteRecoveryCopy(copy, WorkFileBytes(*table));
        QMetaObject::invokeMethod(
            &receiver_, [this, status] { Heard(status); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::Heard(const Status& status) {
    if (status.ok())
        failureShown_ = false;
    else
        Tell(RecoveryTrouble::WriteFailed, status.detail);
}

// A failing folder is told once, not every minute, until a copy is written again.
void RecoveryKeeper::Tell(RecoveryTrouble trouble, const QString& detail) {
    if (failureShown_) return;
    failureShown_ = true;
    failed_(trouble, detail);
}
