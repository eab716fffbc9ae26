#include "tools/picture_renderer/indexed_bitmap.h"

#include "tools/picture_renderer/rle8_encoder.h"

namespace tools {
namespace {

constexpr int fileHeaderBytes = 14;
constexpr int infoHeaderBytes = 40;
constexpr quint32 uncompressed = 0; // BI_RGB
constexpr quint32 runLength8 = 1;   // BI_RLE8

void append16(QByteArray& out, quint32 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void append32(QByteArray& out, quint32 value) {
    append16(out, value & 0xFFFF);
    append16(out, value >> 16);
}

quint32 unsigned32(qint64 value) {
    return static_cast<quint32>(value);
}

QByteArray bitmapFile(const QImage& indexed, quint32 compression, const QByteArray& pixels) {
    const QList<QRgb> table = indexed.colorTable();
    const qint64 pixelsAt = fileHeaderBytes + infoHeaderBytes + 4 * table.size();
    QByteArray out;
    out.reserve(pixelsAt + pixels.size());
    out.append("BM");
    append32(out, unsigned32(pixelsAt + pixels.size()));
    append32(out, 0); // two reserved words
    append32(out, unsigned32(pixelsAt));
    append32(out, infoHeaderBytes);
    append32(out, unsigned32(indexed.width()));
    append32(out, unsigned32(indexed.height())); // positive: the bottom row comes first
    append16(out, 1);                            // colour planes
    append16(out, 8);                            // bits a pixel
    append32(out, compression);
    append32(out, unsigned32(pixels.size()));
    append32(out, unsigned32(indexed.dotsPerMeterX()));
    append32(out, unsigned32(indexed.dotsPerMeterY()));
    append32(out, unsigned32(table.size())); // colours used
    append32(out, 0);                        // all of them matter
    for (const QRgb colour : table) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    out.append(pixels);
    return out;
}

QByteArray plainRows(const QImage& indexed) {
    const int stride = (indexed.width() + 3) / 4 * 4;
    QByteArray rows;
    rows.reserve(static_cast<qsizetype>(stride) * indexed.height());
    for (int y = indexed.height() - 1; y >= 0; --y) {
        rows.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
        rows.append(stride - indexed.width(), '\0');
    }
    return rows;
}

} // namespace

QByteArray plainIndexedBitmap(const QImage& indexed) {
    return bitmapFile(indexed, uncompressed, plainRows(indexed));
}

QByteArray rle8IndexedBitmap(const QImage& indexed) {
    return bitmapFile(indexed, runLength8, encodeRle8(indexed));
}

QByteArray smallestIndexedBitmap(const QImage& indexed) {
    QByteArray plain = plainIndexedBitmap(indexed);
    QByteArray encoded = rle8IndexedBitmap(indexed);
    return encoded.size() < plain.size() ? encoded : plain;
}

} // namespace tools
