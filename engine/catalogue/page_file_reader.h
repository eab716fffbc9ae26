#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <filesystem>
#include <vector>

namespace engine {

// pages-*.txt, in the order given: per Page its header, text and speech lines, pictures,
// labels, fill-in fields, demonstration program and answer. Faults are added to
// `source.errors`.
void readPageFiles(const std::vector<std::filesystem::path>& files, CatalogueSource& source);

} // namespace engine
