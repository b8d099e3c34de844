// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/work_file_change.h"

#include "content/clock.h"
#include "content/table_settle.h"
#include "model/work_file.h"

CliResult ChangeWorkFile(const QString& file, const QString& out, const QString& password,
                         const std::function<CliResult(Document&)>& change) {
    Document document;
    const Status loaded = LoadAnyWorkFile(file, document, [&password] { return password; });
    if (!loaded.ok()) return Failure(ExitCodeFor(loaded.code), loaded.detail);
    // The cells and texts a command in the editor would find.
    SettleTable(document, SystemClock());
    CliResult result = change(document);
    if (result.exitCode != kExitSuccess) return result;
    const Status written = SaveWorkFile(out, document);
    if (!written.ok()) {
        result.exitCode = ExitCodeFor(written.code);
        result.error = written.detail;
    }
    return result;
}
