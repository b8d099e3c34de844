// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

// The program's folder `name` in an XDG base folder: $variable/quadrivel/name, or
// $HOME/homeDefault/quadrivel/name when the variable is unset or relative (the base directory
// rules ignore relative values).
QString XdgProgramFolder(const QProcessEnvironment& environment, const QString& variable,
                         const QString& homeDefault, const QString& name);
