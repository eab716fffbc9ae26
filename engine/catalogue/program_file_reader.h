#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <filesystem>

namespace engine {

// program.txt: the program's name, lesson and Page counts, font, study-time file and saved
// places. Faults are added to `source.errors`.
void readProgramFile(const std::filesystem::path& file, CatalogueSource& source);

} // namespace engine
