#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <functional>
#include <optional>

struct Document;
class RecoveryTimer;
struct Status;

// Keeps a recovery copy of the open table while it has unsaved changes: written when the
// timer falls due after a change, from a snapshot serialised on a worker thread, and removed
// when the changes are saved or dropped. Does nothing until it is given a timer and a folder.
class RecoveryKeeper {
public:
    // `failed` hears, on the GUI thread, why a copy could not be written.
    RecoveryKeeper(const Document& document, std::function<void(const QString&)> failed);
    // Waits for the copy being written or removed.
    ~RecoveryKeeper();

    void Enable(RecoveryTimer& timer, const QString& folder);
    bool enabled() const { return timer_ != nullptr; }
    const QString& folder() const { return folder_; }

    // After every change, undo, redo, save and load: whether the table differs from its file.
    void Follow(bool unsaved);
    // The table's changes were saved or dropped: its copy goes.
    void Drop();
    // The copy the table was just restored from becomes its own copy.
    void Adopt(const QString& copyPath);
    // Waits until every copy asked for is written or removed and its outcome heard.
    void Finish();

private:
    void Due();
    void Heard(const Status& status);

    const Document& document_;
    std::function<void(const QString&)> failed_;
    RecoveryTimer* timer_ = nullptr;
    QString folder_;
    QString copyPath_; // empty until the table has a copy
    std::optional<uint64_t> copiedVersion_;
    bool failureShown_ = false;
    // Outcomes come back to the GUI thread through its event queue.
    QObject receiver_;
    // One thread, so that writes and removals happen in the order they were asked for.
    QThreadPool worker_;
};
