#pragma once

#include <QRgb>

#include <vector>

namespace tools {

struct WeightedColour {
    QRgb colour;
    long long weight; // how many pixels have it
};

// Splits the colours into at most `boxes` groups, as median cut does but cutting where the
// spread is least: the group whose colours spread the most (weighted squared distance from
// their mean) is cut across its widest channel at the place that leaves the two halves
// spreading least, until there are enough groups or none can be cut. The result holds each
// group's weighted mean, rounded.
std::vector<QRgb> varianceCutColours(std::vector<WeightedColour> colours, int boxes);

} // namespace tools
