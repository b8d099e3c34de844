// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_writer.h"

#include "render/adler32.h"
#include "render/pixel_packing.h"
#include "render/row_deflater.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace {

// One IDAT chunk for each of these: small enough to stream, large enough that the chunks'
// own bytes do not count.
constexpr qsizetype kChunkBytes = 64 * 1024;

// A row that differs from the one above goes unfiltered, since flat colour packs best so; an
// equal row is filtered to zeros.
constexpr uchar kFilterNone = 0;
constexpr uchar kFilterUp = 2;

const QString kWriteFailure = QStringLiteral("the picture could not be written");

// Writes chunks (length, type, data, CRC) and remembers the first failure.
class ChunkWriter {
public:
    explicit ChunkWriter(QIODevice& device) : device_(device) {}
    void Write(const char* type, const uchar* data, qsizetype length) {
        uchar head[8];
        qToBigEndian<quint32>(quint32(length), head);
        std::memcpy(head + 4, type, 4);
        uLong crc = crc32(0, head + 4, 4);
        if (length > 0) crc = crc32_z(crc, data, size_t(length)); // a null buffer restarts it
        uchar tail[4];
        qToBigEndian<quint32>(quint32(crc), tail);
        Put(head, 8);
        Put(data, length);
        Put(tail, 4);
    }
    void Put(const uchar* bytes, qsizetype length) {
        if (ok_ && length > 0)
            ok_ = device_.write(reinterpret_cast<const char*>(bytes), length) == length;
    }
    bool ok() const { return ok_; }

private:
    QIODevice& device_;
    bool ok_ = true;
};

void WriteHeader(ChunkWriter& chunks, const QImage& picture, bool alpha) {
    static constexpr uchar kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunks.Put(kSignature, sizeof kSignature);
    uchar header[13] = {};
    qToBigEndian<quint32>(quint32(picture.width()), header);
    qToBigEndian<quint32>(quint32(picture.height()), header + 4);
    header[8] = 8;             // bits per sample
    header[9] = alpha ? 6 : 2; // RGB with alpha, or RGB; compression, filter, interlace 0
    chunks.Write("IHDR", header, sizeof header);
    uchar density[9] = {};
    qToBigEndian<quint32>(quint32(qMax(0, picture.dotsPerMeterX())), density);
    qToBigEndian<quint32>(quint32(qMax(0, picture.dotsPerMeterY())), density + 4);
    density[8] = 1; // per metre
    chunks.Write("pHYs", density, sizeof density);
}

// The zlib stream of the rows, written into IDAT chunks as the output fills: a header, our
// own deflate stream (RowDeflater) and the checksum.
class RowStream {
public:
    RowStream(ChunkWriter& chunks, qsizetype rowBytes, int pixelBytes)
        : chunks_(chunks), rowBytes_(rowBytes), deflater_(rowBytes, pixelBytes),
          zeroRow_(rowBytes, '\0') {
        zeroRow_[0] = char(kFilterUp);
        pending_ = QByteArray("\x78\x5E", 2); // 32 KiB window, a fast level
    }

    void Row(const uchar* bytes) {
        checksum_ = Adler32(checksum_, bytes, size_t(rowBytes_));
        deflater_.Row(bytes);
        if (deflater_.waitingBytes() >= kChunkBytes) WriteChunks(false);
    }
    void EqualRow() {
        checksum_ = Adler32(checksum_, reinterpret_cast<const uchar*>(zeroRow_.constData()),
                            size_t(rowBytes_));
        deflater_.EqualRows(1);
    }
    void Finish() {
        deflater_.Finish();
        uchar trailer[4];
        qToBigEndian<quint32>(quint32(checksum_), trailer);
        pending_ += deflater_.TakeBytes();
        pending_.append(reinterpret_cast<const char*>(trailer), sizeof trailer);
        WriteChunks(true);
    }

private:
    // Whole chunks of the stream made so far, and with `all` the rest too.
    void WriteChunks(bool all) {
        pending_ += deflater_.TakeBytes();
        qsizetype at = 0;
        for (; pending_.size() - at >= kChunkBytes || (all && at < pending_.size());
             at += kChunkBytes) {
            const qsizetype length = qMin(kChunkBytes, pending_.size() - at);
            chunks_.Write("IDAT", reinterpret_cast<const uchar*>(pending_.constData() + at),
                          length);
        }
        pending_.remove(0, qMin(at, pending_.size()));
    }

    ChunkWriter& chunks_;
    const qsizetype rowBytes_;
    RowDeflater deflater_;
    QByteArray zeroRow_; // a row equal to the one above, filtered
    QByteArray pending_;
    uint32_t checksum_ = 1; // Adler-32 of nothing
};

// Deflates the rows into IDAT chunks.
void WriteRows(ChunkWriter& chunks, const QImage& rows, bool alpha, bool premultiplied) {
    const qsizetype rowBytes = 1 + qsizetype(rows.width()) * (alpha ? 4 : 3);
    RowStream stream(chunks, rowBytes, alpha ? 4 : 3);
    QByteArray row(rowBytes, '\0');
    const qsizetype lineBytes = qsizetype(rows.width()) * 4;
    for (int y = 0; y < rows.height(); ++y) {
        const uchar* line = rows.constScanLine(y);
        if (y > 0 && std::memcmp(line, rows.constScanLine(y - 1), size_t(lineBytes)) == 0) {
            stream.EqualRow();
            continue;
        }
        // PNG stores straight alpha: Qt's own conversion, a row at a time, keeps the picture's
        // copy out of memory.
        const QImage straight =
            premultiplied ? QImage(line, rows.width(), 1, QImage::Format_ARGB32_Premultiplied)
                                .convertToFormat(QImage::Format_ARGB32)
                          : QImage();
        row[0] = char(kFilterNone);
        PackPngRow(reinterpret_cast<const QRgb*>(premultiplied ? straight.constBits() : line),
                   rows.width(), alpha, reinterpret_cast<uchar*>(row.data()) + 1);
        stream.Row(reinterpret_cast<const uchar*>(row.constData()));
    }
    stream.Finish();
}

} // namespace

QString WritePng(const QImage& picture, QIODevice& device) {
    const bool alpha = picture.hasAlphaChannel();
    // The renderer's own formats are read as they are; any other is converted once.
    const bool ownFormat = picture.format() == QImage::Format_RGB32 ||
                           picture.format() == QImage::Format_ARGB32 ||
                           picture.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage rows =
        ownFormat ? picture
                  : picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const bool premultiplied = rows.format() == QImage::Format_ARGB32_Premultiplied;
    ChunkWriter chunks(device);
    WriteHeader(chunks, rows, alpha);
    if (chunks.ok()) WriteRows(chunks, rows, alpha, premultiplied);
    chunks.Write("IEND", nullptr, 0);
    return chunks.ok() ? QString() : kWriteFailure;
}
