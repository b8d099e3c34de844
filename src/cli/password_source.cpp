// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/password_source.h"

#include "model/file_problem.h"

#include <QFile>
#include <cstdio>

namespace {

// Far beyond any password a table can hold; a stray large file is not read whole.
constexpr qint64 kLongestLine = 4096;

} // namespace

PasswordRead ReadPasswordFile(const QString& path) {
    QFile file;
    if (path == QStringLiteral("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            return {{}, path + QStringLiteral(": ") + file.errorString()};
    } else if (const FileProblem problem = OpenRegularFile(path, file); !problem.none()) {
        return {{}, path + QStringLiteral(": ") + problem.reason};
    }
    QByteArray line = file.readLine(kLongestLine);
    if (file.error() != QFileDevice::NoError)
        return {{}, path + QStringLiteral(": ") + file.errorString()};
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return {QString::fromUtf8(line), {}};
}

PasswordRead ChosenPassword(const QString& given, const QString& file, const QString& variable) {
    if (!file.isEmpty()) return ReadPasswordFile(file);
    return {given.isEmpty() ? variable : given, {}};
}
