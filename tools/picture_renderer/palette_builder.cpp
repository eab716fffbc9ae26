#include "tools/picture_renderer/palette_builder.h"

#include "tools/picture_renderer/palette_mapping.h"
#include "tools/picture_renderer/variance_cut.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

namespace tools {
namespace {

// A colour is kept exactly when at least this many of its pixels lie inside flat areas (a
// filled shape, a background, a thick line; single 3 x 3 specks of antialiasing are not),
// or when it covers at least a part in this many of the picture, as the bands of a gradient
// do.
constexpr long long flatColourPixels = 4;
constexpr long long widespreadColourShare = 1000;
constexpr int refinementRounds = 12;

struct Fitting {
    std::vector<QRgb> palette;
    int keptColours = 0;                // the first entries, never moved
    std::vector<WeightedColour> others; // the colours the other entries are fitted to
};

long long pixelsOf(const std::vector<CensusColour>& census) {
    long long pixels = 0;
    for (const CensusColour& entry : census)
        pixels += entry.pixels;
    return pixels;
}

Fitting keepFlatColours(const std::vector<CensusColour>& census, int size) {
    Fitting fitting;
    const int keepAtMost = size / 2;
    const long long widespread =
        std::max(flatColourPixels, pixelsOf(census) / widespreadColourShare);
    for (const CensusColour& entry : census) {
        const bool flat = entry.flatPixels >= flatColourPixels || entry.pixels >= widespread;
        if (fitting.keptColours < keepAtMost && flat) {
            fitting.palette.push_back(entry.colour);
            ++fitting.keptColours;
        } else {
            fitting.others.push_back({entry.colour, entry.pixels});
        }
    }
    return fitting;
}

struct ColourSum {
    std::array<double, 3> channels{};
    double weight = 0;

    void add(const WeightedColour& colour) {
        const auto w = static_cast<double>(colour.weight);
        channels[0] += w * qRed(colour.colour);
        channels[1] += w * qGreen(colour.colour);
        channels[2] += w * qBlue(colour.colour);
        weight += w;
    }

    QRgb mean() const {
        const auto rounded = [this](int c) {
            return static_cast<int>(std::lround(channels[c] / weight));
        };
        return qRgb(rounded(0), rounded(1), rounded(2));
    }
};

// One round of k-means over the fitted entries; false once nothing moves.
bool refine(Fitting& fitting) {
    std::vector<ColourSum> sums(fitting.palette.size());
    for (const WeightedColour& colour : fitting.others)
        sums[nearestPaletteIndex(fitting.palette, colour.colour)].add(colour);
    bool moved = false;
    for (std::size_t i = fitting.keptColours; i < fitting.palette.size(); ++i) {
        if (sums[i].weight == 0)
            continue; // an entry nobody is nearest to stays where it is
        const QRgb mean = sums[i].mean();
        moved |= mean != fitting.palette[i];
        fitting.palette[i] = mean;
    }
    return moved;
}

} // namespace

std::vector<QRgb> buildPalette(const std::vector<CensusColour>& census, int size) {
    if (static_cast<int>(census.size()) <= size) {
        std::vector<QRgb> exact;
        for (const CensusColour& entry : census)
            exact.push_back(entry.colour);
        return exact;
    }
    Fitting fitting = keepFlatColours(census, size);
    for (const QRgb colour : varianceCutColours(fitting.others, size - fitting.keptColours))
        fitting.palette.push_back(colour);
    for (int round = 0; round < refinementRounds; ++round)
        if (!refine(fitting))
            break;
    return fitting.palette;
}

} // namespace tools
