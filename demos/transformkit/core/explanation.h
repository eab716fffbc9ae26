#pragma once

#include "transformkit/core/transformation.h"

#include <optional>
#include <string>
#include <vector>

namespace transformkit {

// The page beside the picture: the transformation and its rule, each vertex with its image,
// what is kept (sides, angles, orientation, area) and, when a second transformation follows,
// the second images and what the two together are.
std::string explanationHtml(const std::vector<ExactPoint>& polygon, const Transformation& first,
                            const std::optional<Transformation>& second);

} // namespace transformkit
