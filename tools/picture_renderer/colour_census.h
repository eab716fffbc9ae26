#pragma once

#include <QImage>
#include <QRgb>

#include <vector>

namespace tools {

// One colour of a picture: how many pixels have it, and how many of those lie inside a flat
// area (a pixel whose eight neighbours, as far as the picture has them, share its colour).
struct CensusColour {
    QRgb colour;
    long long pixels;
    long long flatPixels;
};

// Every colour of the picture (alpha ignored), most flat pixels first, then most pixels, then
// by value, so the same picture always gives the same list.
std::vector<CensusColour> takeColourCensus(const QImage& picture);

// Whether the pixel at (x, y) of an RGB32 picture lies inside a flat area.
bool isFlatPixel(const QImage& picture, int x, int y);

} // namespace tools
