#pragma once

#include "tools/picture_renderer/colour_census.h"

#include <QRgb>

#include <vector>

namespace tools {

// A palette of at most `size` colours (1 to 256) for a picture with the given census.
// A picture with no more colours than that gets exactly its own. Otherwise the colours of
// its flat areas and those covering a thousandth of it are kept exactly (the most flat
// pixels first, up to half the palette), and the rest of the palette is fitted to the
// remaining colours, the antialiased edges, by a variance cut refined with weighted k-means.
// Kept colours come first.
std::vector<QRgb> buildPalette(const std::vector<CensusColour>& census, int size = 256);

} // namespace tools
