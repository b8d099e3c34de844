// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_writer.h"

#include "render/adler32.h"
#include "render/deflate_zero_rows.h"
#include "render/pixel_packing.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace {

// zlib's fast levels (1 to 3) hash every byte once and take the first match. With the equal
// rows coded apart, 2 packs table pictures within 2 % of the default level with adaptive
// filters (Qt's writer), and 3 takes 6 % longer for 2 % less.
constexpr int kDeflateLevel = 2;
constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;
// One IDAT chunk for each of these: small enough to stream, large enough that the chunks'
// own bytes do not count.
constexpr qsizetype kChunkBytes = 64 * 1024;

// A row that differs from the one above goes unfiltered, since flat colour packs best so; an
// equal row is filtered to zeros (DeflateZeroRows).
constexpr uchar kFilterNone = 0;

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

// The zlib stream of the rows, written into IDAT chunks as the output fills. zlib deflates the
// rows that differ from the one above; a run of rows equal to the one above goes in a block of
// our own between two of zlib's, so zlib runs raw and the stream's header and checksum are
// written here.
class RowStream {
public:
    RowStream(ChunkWriter& chunks, qsizetype rowBytes)
        : chunks_(chunks), rowBytes_(rowBytes), output_(kChunkBytes, Qt::Uninitialized) {
        ok_ = deflateInit2(&stream_, kDeflateLevel, Z_DEFLATED, -kWindowBits, kMemoryLevel,
                           Z_DEFAULT_STRATEGY) == Z_OK;
        stream_.next_out = Out();
        stream_.avail_out = uInt(kChunkBytes);
        static constexpr uchar kHeader[] = {0x78, 0x5E}; // 32 KiB window, a fast level
        Emit(kHeader, sizeof kHeader);
    }
    ~RowStream() { deflateEnd(&stream_); }
    RowStream(const RowStream&) = delete;
    RowStream& operator=(const RowStream&) = delete;

    void Row(const uchar* bytes) {
        FlushEqualRows(false);
        checksum_ = Adler32(checksum_, bytes, size_t(rowBytes_));
        Deflate(bytes, rowBytes_, Z_NO_FLUSH);
    }
    void EqualRow() { ++equalRows_; }
    // False when zlib or the device failed.
    bool Finish() {
        if (equalRows_ > 0)
            FlushEqualRows(true);
        else
            Deflate(nullptr, 0, Z_FINISH);
        uchar trailer[4];
        qToBigEndian<quint32>(quint32(checksum_), trailer);
        Emit(trailer, sizeof trailer);
        WriteChunk();
        return ok_ && chunks_.ok();
    }

private:
    uchar* Out() { return reinterpret_cast<uchar*>(output_.data()); }
    void WriteChunk() {
        chunks_.Write("IDAT", Out(), kChunkBytes - qsizetype(stream_.avail_out));
        stream_.next_out = Out();
        stream_.avail_out = uInt(kChunkBytes);
    }
    void Emit(const uchar* bytes, qsizetype length) {
        while (length > 0) {
            const qsizetype part = qMin(length, qsizetype(stream_.avail_out));
            std::memcpy(stream_.next_out, bytes, size_t(part));
            stream_.next_out += part;
            stream_.avail_out -= uInt(part);
            bytes += part;
            length -= part;
            if (stream_.avail_out == 0) WriteChunk();
        }
    }
    void Deflate(const uchar* bytes, qsizetype length, int flush) {
        stream_.next_in = const_cast<Bytef*>(bytes);
        stream_.avail_in = uInt(length);
        int result = Z_OK;
        bool full = false;
        do {
            result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR) ok_ = false;
            full = stream_.avail_out == 0;
            if (full) WriteChunk();
        } while (ok_ &&
                 (stream_.avail_in > 0 || full || (flush == Z_FINISH && result != Z_STREAM_END)));
    }
    // zlib's last block is closed on a byte boundary, the run's block follows, and zlib starts
    // again after it with an empty window and the block's last bits.
    void FlushEqualRows(bool last) {
        if (equalRows_ == 0) return;
        // The first row is never equal to one above, so zlib always has rows to close here.
        Deflate(nullptr, 0, Z_SYNC_FLUSH);
        const qsizetype zeros = rowBytes_ - 1;
        const ZeroRowsBlock block = DeflateZeroRows(equalRows_, zeros, last);
        Emit(reinterpret_cast<const uchar*>(block.bytes.constData()), block.bytes.size());
        checksum_ = Adler32OfZeroRows(checksum_, equalRows_, zeros);
        equalRows_ = 0;
        if (!last)
            ok_ = ok_ && deflateReset(&stream_) == Z_OK &&
                  deflatePrime(&stream_, block.tailBits, block.tailValue) == Z_OK;
    }

    ChunkWriter& chunks_;
    const qsizetype rowBytes_;
    QByteArray output_;
    z_stream stream_{};
    uint32_t checksum_ = 1; // Adler-32 of nothing
    int equalRows_ = 0;
    bool ok_ = true;
};

// Deflates the rows into IDAT chunks. False when zlib or the device fails.
bool WriteRows(ChunkWriter& chunks, const QImage& rows, bool alpha, bool premultiplied) {
    const qsizetype rowBytes = 1 + qsizetype(rows.width()) * (alpha ? 4 : 3);
    RowStream stream(chunks, rowBytes);
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
    return stream.Finish();
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
    const bool deflated = chunks.ok() && WriteRows(chunks, rows, alpha, premultiplied);
    if (chunks.ok() && !deflated) return QStringLiteral("out of memory for the PNG encoder");
    chunks.Write("IEND", nullptr, 0);
    return chunks.ok() ? QString() : kWriteFailure;
}
