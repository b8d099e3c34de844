// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Who may read a newly written file: everyone the umask allows, or its owner alone.
enum class FileAccess { Default, OwnerOnly };

// A failure when a new file may not take the place of `path`: a FIFO, a device node or a
// folder is there (links followed).
Status RefusedOutput(const QString& path);

// Writes `bytes` as the whole file at `path`: a complete new file replaces the old one, or
// the old one stays as it was. A failure names the path and the system's reason.
Status WriteWholeFile(const QString& path, const QByteArray& bytes,
                      FileAccess access = FileAccess::Default);

// Writes the whole file from the chunks `produce` hands to its writer, in order, with the
// same promise: a file too large to hold at once never has to be. The writer answers false
// once a chunk failed; `produce` then stops and answers false too.
// `expectedSize`, when known, reserves the file's room on the disk before the first chunk.
using ChunkWriter = std::function<bool(const char* data, qsizetype size)>;
using ChunkProducer = std::function<bool(const ChunkWriter& write)>;
Status WriteWholeFileInChunks(const QString& path, qint64 expectedSize,
                              const ChunkProducer& produce,
                              FileAccess access = FileAccess::Default);

// Past the file-size limit (ulimit -f) the system kills the writer with SIGXFSZ: a half-written
// temporary file stays behind and nobody hears why. Ignored, the write fails with "File too
// large", which is reported, and the old file stays. For the programs' start.
void IgnoreFileSizeSignal();
