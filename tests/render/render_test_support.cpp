// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "render/colour.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

int32_t PixelAt(const QImage& picture, int x, int y) {
    return BgrFromRgb(picture.pixel(x, y));
}

Document MakeTable(int columns, int rows, int cellWidth, int cellHeight, int separator,
                   int thickness) {
    Document document;
    document.settings.gridCellWidth = int16_t(cellWidth);
    document.settings.gridCellHeight = int16_t(cellHeight);
    document.settings.separatorPixels = int16_t(separator);
    document.settings.lineThickness = thickness;
    CreateTable(document, columns, rows, 2, 2, document.settings.lineColour);
    return document;
}

QString TestFilePath(const QString& name) {
    // One folder for the whole program, removed when it ends.
    static const QTemporaryDir files;
    return files.filePath(name);
}

QByteArray IconFileBytes(const std::vector<QImage>& images) {
    QByteArray bytes;
    const auto put16 = [&bytes](quint16 value) {
        char raw[2];
        qToLittleEndian(value, raw);
        bytes.append(raw, 2);
    };
    const auto put32 = [&bytes](quint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes.append(raw, 4);
    };
    std::vector<QByteArray> payloads;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        payloads.push_back(png);
    }
    put16(0);
    put16(1); // an icon file
    put16(quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        bytes.append(char(images[i].width() & 0xFF)); // 0 stands for 256
        bytes.append(char(images[i].height() & 0xFF));
        bytes.append(char(0));
        bytes.append(char(0));
        put16(1);
        put16(32);
        put32(quint32(payloads[i].size()));
        put32(offset);
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray& payload : payloads)
        bytes.append(payload);
    return bytes;
}

QString WriteTestFile(const QString& name, const QByteArray& bytes) {
    const QString path = TestFilePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QString SaveTestImage(const QString& name, const QImage& image) {
    const QString path = TestFilePath(name);
    image.save(path);
    return path;
}
