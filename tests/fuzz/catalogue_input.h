#pragma once

#include "engine/catalogue/catalogue_source.h"
#include "engine/core/catalogue.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

// A lesson folder kept in one file, as the catalogue fuzz target takes it: the parts between
// zero bytes are program.txt, lessons.txt, pages-1.txt and pages-2.txt. Missing parts are
// written as empty files.
void writeCatalogueFolder(const std::filesystem::path& folder, std::string_view bytes);

// The catalogue a lesson program would be built with; it points into `content`.
engine::Catalogue catalogueOf(const engine::CatalogueSource& source, const std::string& content);

// A learner choosing every lesson and pressing every Step, Next, answer, Done and Previous
// button on the way through (at most 200 Pages a lesson).
void pressEveryButton(const engine::Catalogue& catalogue);

} // namespace fuzz
