#include "app/dialog_controls.h"

#include <QFontDatabase>
#include <QWidget>

QFont DialogFont(int pixelSize) {
    // Liberation Sans has the widths of the classic Windows sans faces, so fixed-size
    // controls keep their texts; DejaVu Sans is the fallback every Debian desktop has.
    static const QString kPreferred = QStringLiteral("Liberation Sans");
    QFont font(QFontDatabase::hasFamily(kPreferred) ? kPreferred : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

void PlaceControl(QWidget* control, int id, const QRect& geometry) {
    if (id != 0) control->setObjectName(QString::number(id));
    control->setGeometry(geometry);
}

QString TwoDigitItem(int number, const QString& text) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) + text;
}

int TwoDigitItemNumber(const QString& item) {
    return item.left(2).toInt();
}
