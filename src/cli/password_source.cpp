#include "cli/password_source.h"

#include "model/file_problem.h"

#include <QFile>
#include <cstdio>

namespace {

// Far beyond any password a table can hold; a stray large file is not read whole.
constexpr qint64 kLongestLine = 4096;

} // namespace

PasswordRead ReadPasswordFile(const QString& path) {
    const bool standardInput = path == QStringLiteral("-");
    QFile file(path);
    const bool opened =
        standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        // The system's words for a folder, a loop or a missing name, Qt's for the rest.
        const FileProblem problem = standardInput ? FileProblem{} : RegularFileProblem(path);
        return {{},
                path + QStringLiteral(": ") +
                    (problem.none() ? file.errorString() : problem.reason)};
    }
    QByteArray line = file.readLine(kLongestLine);
    if (file.error() != QFileDevice::NoError)
        return {{}, path + QStringLiteral(": ") + file.errorString()};
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return {QString::fromUtf8(line), {}};
}
