#pragma once

#include <QByteArray>
#include <QImage>

namespace tools {

// The pixels of an 8-bit indexed image in the run-length code of Windows bitmaps (BI_RLE8),
// bottom row first as a bitmap stores them: repeated indices as (count, index) pairs of up to
// 255 pixels, mixed stretches of three or more pixels in absolute mode (0, count, indices,
// padded to an even length), an end-of-line code (0, 0) after every row but the last and the
// end-of-bitmap code (0, 1) after that.
QByteArray encodeRle8(const QImage& indexed);

} // namespace tools
