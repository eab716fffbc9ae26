#pragma once

#include <QImage>
#include <QRgb>

#include <vector>

namespace tools {

// The squared distance of two colours in RGB, alpha ignored.
int colourDistance(QRgb a, QRgb b);

// The index of the palette colour nearest to `colour`; the first of equally near ones.
// The palette must not be empty.
int nearestPaletteIndex(const std::vector<QRgb>& palette, QRgb colour);

// The picture with every pixel replaced by the index of its nearest palette colour: an
// 8-bit indexed image whose colour table is the palette (at most 256 colours, not empty).
QImage mapToPalette(const QImage& picture, const std::vector<QRgb>& palette);

} // namespace tools
