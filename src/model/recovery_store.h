// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"
#include "model/status.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;

// Recovery copies of unsaved tables: ordinary work files in one folder of the user's state,
// each with a text file beside it that names the work file it belongs to, and a lock file
// that its editor holds while it runs.

// $XDG_STATE_HOME/quadrivel/recovery, or ~/.local/state/quadrivel/recovery.
QString RecoveryFolderFrom(const QProcessEnvironment& environment);

struct RecoveryCopy {
    QString copyPath;
    QString originalPath; // empty for a table that never had a file
    // The copy's lock: while one editor holds it, no other offers or removes the copy.
    std::shared_ptr<QLockFile> lock;
};

// The copies in the folder whose editor is gone (a lock left by a process that died counts as
// gone), oldest name first, each locked for the caller until it lets the copy go. Only a folder
// of the user's own that others cannot enter (mode 0700) is looked in, and only copies and
// notes of the user's own are taken; a copy without its note is not one yet.
std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder);

// A new copy in the folder, unique to this program run, with its lock not taken yet.
RecoveryCopy NewRecoveryCopy(const QString& folder);

// True when the folder is a symbolic link: copies are never kept through one.
bool RecoveryFolderIsLink(const QString& folder);

// The work file a restored copy belongs to: the note's name when it names a work file, else
// none, so that Save asks for a name instead of overwriting a file of another kind.
QString RestoredWorkFilePath(const RecoveryCopy& copy);

// What a save writes, without the undo history: cheap enough to take between two frames
// (the bytes are made from it on a worker thread).
Document RecoverySnapshot(const Document& document);

// Closes the folder to others (making it when missing), takes the copy's lock when it is not
// held yet, then writes the note and the copy, each whole and readable by the user alone. A
// folder that is a symbolic link or belongs to another user is refused.
Status WriteRecoveryCopy(const RecoveryCopy& copy, const QByteArray& workFileBytes);

// Removes the copy and its note, then lets its lock go; nothing when they are not there.
void RemoveRecoveryCopy(const RecoveryCopy& copy);
