// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/file_association.h"

#include "app/messages/message_table.h"
#include "model/file_problem.h"
#include "model/whole_file_write.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString kDefaultSection = QStringLiteral("[Default Applications]");

QStringList SplitDirs(const QString& value, const QString& fallback) {
    return (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

// The trimmed lines of a small regular file; none of a FIFO, a device or a missing file.
QStringList LinesOf(const QString& path) {
    QByteArray bytes = ReadOwnFile(path).bytes;
    if (bytes.endsWith('\n')) bytes.chop(1);
    QStringList lines;
    if (bytes.isEmpty()) return lines;
    for (const QByteArray& line : bytes.split('\n'))
        lines.append(QString::fromUtf8(line).trimmed());
    return lines;
}

// The value of the work-file type in the [Default Applications] section of a mimeapps.list.
QString DefaultIn(const QString& path) {
    bool inSection = false;
    const QString key = kWorkFileMimeType + QLatin1Char('=');
    for (const QString& line : LinesOf(path)) {
        if (line.startsWith(QLatin1Char('[')))
            inSection = line == kDefaultSection;
        else if (inSection && line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return {};
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteWholeFile(path, bytes).ok();
}

// mimeapps.list with our default set and every other line kept.
QByteArray WithDefault(const QString& path, const QString& entry) {
    QStringList lines = LinesOf(path);
    const QString key = kWorkFileMimeType + QLatin1Char('=');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const QString& line) { return line.startsWith(key); }),
                lines.end());
    qsizetype section = lines.indexOf(kDefaultSection);
    if (section < 0) {
        lines.append(kDefaultSection);
        section = lines.size() - 1;
    }
    lines.insert(section + 1, key + entry);
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The desktop entry of resources/ with the program's own path in Exec.
QByteArray DesktopEntry(const QString& programPath) {
    QString exec = programPath;
    // Desktop entries quote arguments with reserved characters.
    if (exec.contains(QLatin1Char(' ')) || exec.contains(QLatin1Char('"')))
        exec = QLatin1Char('"') + exec.replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
               QLatin1Char('"');
    QString entry = QString::fromUtf8(Resource(kDesktopFileName));
    entry.replace(QStringLiteral("Exec=quadrivel %f"),
                  QStringLiteral("Exec=") + exec + QStringLiteral(" %f"));
    return entry.toUtf8();
}

// Whether the program at programPath was installed with its desktop entry under a prefix the
// desktop reads (<prefix>/bin/quadrivel beside <prefix>/share/applications/quadrivel.desktop,
// <prefix>/share among the XDG data folders).
bool RunsFromVisiblePrefix(const XdgFolders& folders, const QString& programPath) {
    const QDir programFolder = QFileInfo(programPath).absoluteDir();
    if (programFolder.dirName() != QStringLiteral("bin")) return false;
    const QString share = QDir::cleanPath(programFolder.filePath(QStringLiteral("../share")));
    const bool visible =
        std::any_of(folders.dataDirs.begin(), folders.dataDirs.end(),
                    [&](const QString& dir) { return QDir::cleanPath(dir) == share; });
    return visible &&
           QFileInfo::exists(share + QStringLiteral("/applications/") + kDesktopFileName);
}

} // namespace

XdgFolders XdgFoldersFrom(const QProcessEnvironment& environment) {
    const QString home = environment.value(QStringLiteral("HOME"), QDir::homePath());
    const QString dataHome = environment.value(QStringLiteral("XDG_DATA_HOME"));
    const QString configHome = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    return {dataHome.isEmpty() ? home + QStringLiteral("/.local/share") : dataHome,
            configHome.isEmpty() ? home + QStringLiteral("/.config") : configHome,
            SplitDirs(environment.value(QStringLiteral("XDG_DATA_DIRS")),
                      QStringLiteral("/usr/local/share:/usr/share")),
            SplitDirs(environment.value(QStringLiteral("XDG_CONFIG_DIRS")),
                      QStringLiteral("/etc/xdg"))};
}

QString AssociatedApplication(const XdgFolders& folders) {
    // The lookup order of the freedesktop default-application rules.
    QStringList lists{folders.configHome + QStringLiteral("/mimeapps.list")};
    for (const QString& dir : folders.configDirs)
        lists.append(dir + QStringLiteral("/mimeapps.list"));
    lists.append(folders.dataHome + QStringLiteral("/applications/mimeapps.list"));
    for (const QString& dir : folders.dataDirs)
        lists.append(dir + QStringLiteral("/applications/mimeapps.list"));
    for (const QString& path : lists) {
        const QString entry = DefaultIn(path);
        if (!entry.isEmpty()) return entry;
    }
    return {};
}

bool RegisterAssociation(const XdgFolders& folders, const QString& programPath) {
    const QString mimeApps = folders.configHome + QStringLiteral("/mimeapps.list");
    // An installed program brings its MIME type and desktop entry; only the default is the
    // user's to set.
    if (RunsFromVisiblePrefix(folders, programPath))
        return WriteFile(mimeApps, WithDefault(mimeApps, kDesktopFileName));
    const QString mimeFolder = folders.dataHome + QStringLiteral("/mime");
    const bool written =
        WriteFile(mimeFolder + QStringLiteral("/packages/quadrivel.xml"),
                  Resource(QStringLiteral("application-x-quadrivel.xml"))) &&
        WriteFile(folders.dataHome + QStringLiteral("/applications/") + kDesktopFileName,
                  DesktopEntry(programPath)) &&
        WriteFile(mimeApps, WithDefault(mimeApps, kDesktopFileName));
    // Desktops read the compiled MIME database; without the tool the XML still takes
    // effect at the next update.
    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (written && !updater.isEmpty()) QProcess::execute(updater, {mimeFolder});
    return written;
}

QString AssociationQuestion() {
    const struct {
        const char16_t* heading;
        int language;
    } blocks[] = {{u"[ESPAÑOL]", kSpanish}, {u"[CATALÀ]", kCatalan}, {u"[PORTUGUES]", kPortuguese},
                  {u"[FRANÇAIS]", kFrench}, {u"[DEUTSCH]", kGerman}, {u"[ENGLISH]", kEnglish},
                  {u"[ITALIANO]", kItalian}};
    QStringList lines;
    for (const auto& block : blocks) {
        if (!lines.isEmpty()) lines.append(QString());
        lines.append(QString::fromUtf16(block.heading));
        for (int entry = 1; entry <= 4; ++entry)
            lines.append(MessageIn(block.language, 22, entry));
    }
    return lines.join(QStringLiteral("\r\n"));
}
