// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_controls.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>
#include <algorithm>

int SmallestReadablePixelSize() {
    // A desktop without a small font of its own reports some default one, larger at times
    // than the font it writes with; the small font is never larger than that.
    return std::min(
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).pixelSize(),
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).pixelSize());
}

QFont DialogFont(int pixelSize) {
    // Liberation Sans has the widths of the classic Windows sans faces, so fixed-size
    // controls keep their texts; DejaVu Sans is the fallback every Debian desktop has.
    static const QString kPreferred = QStringLiteral("Liberation Sans");
    QFont font(QFontDatabase::hasFamily(kPreferred) ? kPreferred : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(pixelSize, SmallestReadablePixelSize()));
    return font;
}

QString ControlName(int id) {
    return QString::number(id);
}

void PlaceControl(QWidget* control, int id, const QRect& geometry) {
    if (id != 0) control->setObjectName(ControlName(id));
    control->setGeometry(geometry);
}

QString TwoDigitItem(int number, const QString& text) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) + text;
}

int TwoDigitItemNumber(const QString& item) {
    return item.left(2).toInt();
}

QString TitleOf(QString commandText) {
    if (commandText.endsWith(u'…')) commandText.chop(1);
    return commandText;
}
