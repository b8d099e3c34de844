// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_resources.h"

#include <QImageReader>
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
    return PngPicture(QStringLiteral(":/%1/%2.png").arg(folder).arg(number));
}

QPixmap PngPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
