#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <memory>
#include <string>

namespace engine {

// A catalogue read from its readable files at run time, as the review and benchmark tools
// use it: the stored content it points into lives beside it.
struct LoadedCatalogue {
    std::string content;
    Catalogue catalogue;
    std::vector<std::string> errors;
};

// Reads a lesson folder and builds its catalogue; `errors` lists every fault found.
std::unique_ptr<LoadedCatalogue> loadCatalogueFolder(const std::filesystem::path& folder);

} // namespace engine
