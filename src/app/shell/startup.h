// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The command line as one text: the arguments joined by blanks, every double quote removed.
QString CommandLineText(const QStringList& arguments);

// The editor's start-up: settings, the codec check, the file association, the main window;
// returns the exit code when the window has closed.
int RunEditor(int argc, char* argv[]);
