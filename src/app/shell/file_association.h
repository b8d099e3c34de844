// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The user's XDG folders, taken from the environment so tests can point them elsewhere.
struct XdgFolders {
    QString dataHome;       // $XDG_DATA_HOME, default ~/.local/share
    QString configHome;     // $XDG_CONFIG_HOME, default ~/.config
    QStringList dataDirs;   // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    QStringList configDirs; // $XDG_CONFIG_DIRS, default /etc/xdg
};
XdgFolders XdgFoldersFrom(const QProcessEnvironment& environment);

inline const QString kWorkFileMimeType = QStringLiteral("application/x-quadrivel");
inline const QString kDesktopFileName = QStringLiteral("quadrivel.desktop");

// The desktop entry registered as the default application for work files, or an empty text
// when there is none (whatever program it names).
QString AssociatedApplication(const XdgFolders& folders);

// Registers the program at programPath for *.qdvl in the user's folders: the MIME type, the
// desktop entry (Exec=<program> %f) and the default-application entry; for a program installed
// with its desktop entry in an XDG data folder, the default-application entry alone. false when
// a file could not be written.
bool RegisterAssociation(const XdgFolders& folders, const QString& programPath);

// The start-up question, in all seven languages at once.
QString AssociationQuestion();
