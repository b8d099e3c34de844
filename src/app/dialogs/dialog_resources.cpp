// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_resources.h"

#include <QString>

// Outside any namespace: the macro declares the resource initialiser at block scope.
// Registration is idempotent, so calling it on every use keeps callers free of start-up order.
static void InitDialogResources() {
    Q_INIT_RESOURCE(dialogs);
}

QPixmap DialogPicture(int number) {
    InitDialogResources();
    const QString folder =
        number >= 701 && number <= 707 ? QStringLiteral("about") : QStringLiteral("password");
    return QPixmap(QStringLiteral(":/%1/%2.png").arg(folder).arg(number));
}
