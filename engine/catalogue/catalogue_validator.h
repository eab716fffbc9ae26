#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <optional>
#include <string>
#include <vector>

namespace engine {

// Checks what the readers cannot see line by line: that every reference a button, a Page
// or a demonstration start follows at run time leads somewhere. `startablePrograms` are
// the program names (without ".exe") that a Page may start; nothing means names are not
// checked. Faults are added to `source.errors`.
void validateCatalogue(CatalogueSource& source,
                       const std::optional<std::vector<std::string>>& startablePrograms);

} // namespace engine
