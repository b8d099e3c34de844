// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/xdg_folder.h"

#include <QDir>

QString XdgProgramFolder(const QProcessEnvironment& environment, const QString& variable,
                         const QString& homeDefault, const QString& name) {
    QString base = environment.value(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = environment.value(QStringLiteral("HOME")) + u'/' + homeDefault;
    return base + QStringLiteral("/quadrivel/") + name;
}
