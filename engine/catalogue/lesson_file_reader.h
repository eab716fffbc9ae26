#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <filesystem>

namespace engine {

// lessons.txt: per lesson its first Page, the first Pages of its Steps, its title and
// summary. Faults are added to `source.errors`.
void readLessonFile(const std::filesystem::path& file, CatalogueSource& source);

} // namespace engine
