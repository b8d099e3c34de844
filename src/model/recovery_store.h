#pragma once

#include "model/document.h"
#include "model/status.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <vector>

// Recovery copies of unsaved tables: ordinary work files in one folder of the user's state,
// each with a text file beside it that names the work file it belongs to.

// $XDG_STATE_HOME/quadrivel/recovery, or ~/.local/state/quadrivel/recovery.
QString RecoveryFolderFrom(const QProcessEnvironment& environment);

struct RecoveryCopy {
    QString copyPath;
    QString originalPath; // empty for a table that never had a file
};

// The copies in the folder, oldest name first; a copy without its note is not one yet.
std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder);

// A new copy's path in the folder, unique to this program run.
QString NewRecoveryCopyPath(const QString& folder);

// What a save writes, without the undo history: cheap enough to take between two frames
// (the bytes are made from it on a worker thread).
Document RecoverySnapshot(const Document& document);

// Writes the note and then the copy, each whole and readable by the user alone.
Status WriteRecoveryCopy(const RecoveryCopy& copy, const QByteArray& workFileBytes);

// Removes the copy and its note; nothing when they are not there.
void RemoveRecoveryCopy(const QString& copyPath);
