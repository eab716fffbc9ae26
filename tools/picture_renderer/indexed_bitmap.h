#pragma once

#include <QByteArray>
#include <QImage>

namespace tools {

// Windows bitmap files (BITMAPINFOHEADER, bottom row first) of an 8-bit indexed image, with
// a colour table of exactly the image's colours.
QByteArray plainIndexedBitmap(const QImage& indexed); // uncompressed 8-bit rows (BI_RGB)
QByteArray rle8IndexedBitmap(const QImage& indexed);  // run-length encoded (BI_RLE8)

// The smaller of the two; the uncompressed one when they are the same size.
QByteArray smallestIndexedBitmap(const QImage& indexed);

} // namespace tools
