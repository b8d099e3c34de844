// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/recovery_store.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <functional>
#include <optional>

struct Document;
class RecoveryTimer;
struct Status;

// Why copies are not being kept: a copy could not be written, or the folder is a symbolic link.
enum class RecoveryTrouble { WriteFailed, FolderIsLink };

// Keeps a recovery copy of the open table while it has unsaved changes: written when the
// timer falls due after a change, from a snapshot serialised on a worker thread, and removed
// when the changes are saved or dropped. Does nothing until it is given a timer and a folder.
class RecoveryKeeper {
public:
    // `failed` hears, on the GUI thread, why copies are not kept, with the reason's detail.
    RecoveryKeeper(const Document& document,
                   std::function<void(RecoveryTrouble, const QString&)> failed);
    // Waits for the copy being written or removed.
    ~RecoveryKeeper();

    void Enable(RecoveryTimer& timer, const QString& folder);
    bool enabled() const { return timer_ != nullptr; }
    const QString& folder() const { return folder_; }

    // After every change, undo, redo, save and load: whether the table differs from its file.
    void Follow(bool unsaved);
    // The table's changes were saved or dropped: its copy goes.
    void Drop();
    // The copy the table was just restored from becomes its own copy, its lock with it.
    void Adopt(const RecoveryCopy& copy);
    // Waits until every copy asked for is written or removed and its outcome heard.
    void Finish();

private:
    void Due();
    void Heard(const Status& status);
    void Tell(RecoveryTrouble trouble, const QString& detail);

    const Document& document_;
    std::function<void(RecoveryTrouble, const QString&)> failed_;
    RecoveryTimer* timer_ = nullptr;
    QString folder_;
    RecoveryCopy copy_; // no path until the table has a copy
    std::optional<uint64_t> copiedVersion_;
    bool failureShown_ = false;
    // Outcomes come back to the GUI thread through its event queue.
    QObject receiver_;
    // One thread, so that writes and removals happen in the order they were asked for.
    QThreadPool worker_;
};
