#pragma once

#include "model/status.h"

#include <QByteArray>
#include <QString>

// Who may read a newly written file: everyone the umask allows, or its owner alone.
enum class FileAccess { Default, OwnerOnly };

// Writes `bytes` as the whole file at `path`: a complete new file replaces the old one, or
// the old one stays as it was. A failure names the path and the system's reason.
Status WriteWholeFile(const QString& path, const QByteArray& bytes,
                      FileAccess access = FileAccess::Default);
