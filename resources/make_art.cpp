// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's small pictures (menu items, language flags, window and desktop icons)
// into resources/. Run from the repository root: build/resources/make_art
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

QImage Blank(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A rounded coloured tile with a white symbol from DejaVu Sans.
QImage Tile(QColor colour, const QString& symbol, int size = 16) {
    QImage image = Blank(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(colour.darker(140));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size * 11 / 16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, symbol);
    return image;
}

QImage Stripes(const std::vector<QColor>& colours, bool vertical) {
    QImage image = Blank(16);
    QPainter painter(&image);
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        const QRect band = vertical ? QRect(i * 16 / n, 2, (i + 1) * 16 / n - i * 16 / n, 12)
                                    : QRect(0, 2 + i * 12 / n, 16, (i + 1) * 12 / n - i * 12 / n);
        painter.fillRect(band, colours[size_t(i)]);
    }
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(QRect(0, 2, 15, 11));
    return image;
}

QImage UnionFlag() {
    QImage image = Stripes({QColor(0x01, 0x21, 0x69)}, false);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(1, 3, 14, 12);
    painter.drawLine(1, 12, 14, 3);
    painter.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1));
    painter.drawLine(1, 3, 14, 12);
    painter.drawLine(1, 12, 14, 3);
    painter.fillRect(QRect(6, 3, 4, 10), Qt::white);
    painter.fillRect(QRect(1, 6, 14, 4), Qt::white);
    painter.fillRect(QRect(7, 3, 2, 10), QColor(0xC8, 0x10, 0x2E));
    painter.fillRect(QRect(1, 7, 14, 2), QColor(0xC8, 0x10, 0x2E));
    return image;
}

// Drawn on a 64 x 64 grid and scaled, for the window and the desktop's icon sizes.
QImage WindowIcon(int size = 64) {
    QImage image = Blank(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    const QColor ink(0x1F, 0x3A, 0x5F);
    // The header row and column stay inside the rounded frame and end at the first grid line.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(4, 4, 56, 56), 8, 8);
    painter.fillPath(frame, Qt::white);
    painter.setClipPath(frame);
    painter.fillRect(QRectF(4, 4, 56, 14), QColor(0x2E, 0x86, 0xC1));
    painter.fillRect(QRectF(4, 4, 14, 56), QColor(0x7D, 0xC4, 0x8F));
    painter.setClipping(false);
    painter.setPen(QPen(ink, 2));
    for (int i = 1; i < 4; ++i) {
        painter.drawLine(QPointF(4 + i * 14, 6), QPointF(4 + i * 14, 58));
        painter.drawLine(QPointF(6, 4 + i * 14), QPointF(58, 4 + i * 14));
    }
    painter.setPen(QPen(ink, 3));
    painter.drawPath(frame);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QColor blue(0x2E, 0x6D, 0xB4), green(0x2E, 0x8B, 0x57), red(0xC0, 0x39, 0x2B),
        orange(0xE6, 0x7E, 0x22), purple(0x8E, 0x44, 0xAD), grey(0x5D, 0x6D, 0x7E),
        teal(0x16, 0xA0, 0x85);
    const struct {
        int id;
        QColor colour;
        const char16_t* symbol;
    } menu[] = {
        {800, blue, u"+"},        {801, blue, u"\u2191"},   {802, green, u"\u2193"},
        {804, purple, u"i"},      {805, teal, u"\u2194"},   {806, red, u"\u2715"},
        {807, orange, u"\u2502"}, {808, orange, u"\u2500"}, {809, grey, u"\u2196"},
        {810, red, u"\u2794"},    {811, grey, u"\u2699"},   {812, blue, u"\u2750"},
        {813, blue, u"\u21E9"},   {814, grey, u"\u232B"},   {815, teal, u"\u2195"},
        {816, green, u"\u25A3"},  {820, purple, u"\u25A6"}, {821, orange, u"\u21B6"},
        {822, green, u"\u21BB"},  {823, red, u"\u2205"},    {824, red, u"\u25A0"},
        {825, blue, u"T"},
    };
    bool ok = true;
    for (const auto& item : menu)
        ok = Save(Tile(item.colour, QString::fromUtf16(item.symbol)),
                  QStringLiteral("resources/menu/%1.png").arg(item.id)) &&
             ok;

    const QColor esRed(0xAA, 0x15, 0x1B), esYellow(0xF1, 0xBF, 0x00);
    ok = Save(Stripes({esRed, esYellow, esYellow, esRed}, false),
              QStringLiteral("resources/flags/300.png")) &&
         ok;
    ok = Save(Stripes({QColor(0x04, 0x6A, 0x38), QColor(0x04, 0x6A, 0x38), QColor(0xDA, 0x29, 0x1C),
                       QColor(0xDA, 0x29, 0x1C), QColor(0xDA, 0x29, 0x1C)},
                      true),
              QStringLiteral("resources/flags/301.png")) &&
         ok;
    ok = Save(Stripes({QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true),
              QStringLiteral("resources/flags/302.png")) &&
         ok;
    ok = Save(Stripes({Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}, false),
              QStringLiteral("resources/flags/303.png")) &&
         ok;
    ok = Save(UnionFlag(), QStringLiteral("resources/flags/304.png")) && ok;
    ok = Save(Stripes({QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)}, true),
              QStringLiteral("resources/flags/305.png")) &&
         ok;
    ok = Save(WindowIcon(), QStringLiteral("resources/quadrivel.png")) && ok;
    // The installed icon's other sizes; quadrivel.png serves as the 64 x 64 one.
    for (const int size : {16, 22, 24, 32, 48, 128, 256})
        ok = Save(WindowIcon(size), QStringLiteral("resources/icons/quadrivel-%1.png").arg(size)) &&
             ok;
    if (!ok) fprintf(stderr, "make_art: a picture was not written\n");
    return ok ? 0 : 1;
}
