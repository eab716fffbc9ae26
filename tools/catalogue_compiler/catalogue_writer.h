#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <ostream>
#include <string>

// Writes a C++ source file that defines `const engine::Catalogue& lessonCatalogue()` with the
// stored content and the Page and lesson tables built in.
void writeCatalogueSource(const engine::CatalogueSource& source, const std::string& content,
                          std::ostream& out);
