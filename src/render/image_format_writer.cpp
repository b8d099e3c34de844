// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/image_format_writer.h"

#include <QBuffer>
#include <QImage>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageWriter>
#include <QPluginLoader>
#include <memory>

namespace {

struct FormatPlugin {
    const char* format;
    const char* plugin; // found in the plugin folders as Qt's own plugins are
};

constexpr FormatPlugin kFormatPlugins[] = {
    {"jpg", "imageformats/qjpeg"},
    {"jpeg", "imageformats/qjpeg"},
    {"tif", "imageformats/qtiff"},
    {"tiff", "imageformats/qtiff"},
};

// The handler of the format's own plugin for `device`; null when the format has none or the
// plugin is missing or does not write it, and QImageWriter has to search.
std::unique_ptr<QImageIOHandler> OwnPluginHandler(const QByteArray& format, QIODevice& device) {
    for (const FormatPlugin& entry : kFormatPlugins) {
        if (format != entry.format) continue;
        // The loader only finds the plugin; the plugin stays loaded for the process.
        QPluginLoader loader(QString::fromLatin1(entry.plugin));
        auto* plugin = qobject_cast<QImageIOPlugin*>(loader.instance());
        if (!plugin || !(plugin->capabilities(&device, format) & QImageIOPlugin::CanWrite))
            return nullptr;
        std::unique_ptr<QImageIOHandler> handler(plugin->create(&device, format));
        if (handler) {
            handler->setDevice(&device);
            handler->setFormat(format);
        }
        return handler;
    }
    return nullptr;
}

// The options QImageWriter gives a handler before it writes, at their defaults but quality.
void SetWriterOptions(QImageIOHandler& handler, int quality) {
    const auto set = [&handler](QImageIOHandler::ImageOption option, const QVariant& value) {
        if (handler.supportsOption(option)) handler.setOption(option, value);
    };
    set(QImageIOHandler::Quality, quality);
    set(QImageIOHandler::CompressionRatio, 0);
    set(QImageIOHandler::Gamma, 0.0f);
    set(QImageIOHandler::OptimizedWrite, false);
    set(QImageIOHandler::ProgressiveScanWrite, false);
    set(QImageIOHandler::ImageTransformation, int(QImageIOHandler::TransformationNone));
}

} // namespace

bool CanWriteImageFormat(const QByteArray& format) {
    QBuffer device;
    if (OwnPluginHandler(format, device)) return true;
    QImageWriter writer(&device, format);
    return writer.canWrite();
}

QString WriteImageFormat(const QImage& picture, const QByteArray& format, int quality,
                         QIODevice& device) {
    if (const std::unique_ptr<QImageIOHandler> handler = OwnPluginHandler(format, device)) {
        SetWriterOptions(*handler, quality);
        // What QImageWriter says when its handler fails.
        return handler->write(picture) ? QString() : QImageWriter::tr("Unknown error");
    }
    // Qt's built-in writers (PNG among them) leak when their device fails mid-picture, so they
    // write into memory and the bytes go to the device after.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    writer.setQuality(quality);
    if (!writer.write(picture)) return writer.errorString();
    const qint64 written = device.write(encoded.data());
    return written == encoded.size() ? QString() : device.errorString();
}
