#include "tools/picture_renderer/colour_census.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace tools {
namespace {

QRgb opaque(QRgb colour) {
    return colour | 0xFF000000u;
}

} // namespace

bool isFlatPixel(const QImage& picture, int x, int y) {
    const QRgb centre = opaque(picture.pixel(x, y));
    for (int ny = std::max(0, y - 1); ny <= std::min(picture.height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(picture.width() - 1, x + 1); ++nx)
            if (opaque(picture.pixel(nx, ny)) != centre)
                return false;
    return true;
}

std::vector<CensusColour> takeColourCensus(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, CensusColour> byColour;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb colour = opaque(pixels.pixel(x, y));
            auto found = byColour.find(colour);
            if (found == byColour.end())
                found = byColour.insert(colour, CensusColour{colour, 0, 0});
            ++found->pixels;
            found->flatPixels += isFlatPixel(pixels, x, y) ? 1 : 0;
        }
    std::vector<CensusColour> census(byColour.begin(), byColour.end());
    std::sort(census.begin(), census.end(), [](const CensusColour& a, const CensusColour& b) {
        return std::tuple(b.flatPixels, b.pixels, a.colour) <
               std::tuple(a.flatPixels, a.pixels, b.colour);
    });
    return census;
}

} // namespace tools
