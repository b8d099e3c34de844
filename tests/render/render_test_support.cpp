#include "render_test_support.h"

#include "render/colour.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Fonts and pictures need a QGuiApplication; tests run without a display.
class GuiEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        files_ = std::make_unique<QTemporaryDir>();
    }
    void TearDown() override {
        files_.reset();
        app_.reset();
    }
    static QString FilesPath() { return files_ ? files_->path() : QDir::tempPath(); }

private:
    int argc_ = 1;
    char name_[12] = "test_render";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
    static inline std::unique_ptr<QTemporaryDir> files_;
};

[[maybe_unused]] ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace

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
    return GuiEnvironment::FilesPath() + u'/' + name;
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
