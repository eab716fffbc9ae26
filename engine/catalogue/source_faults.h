#pragma once

#include "engine/catalogue/catalogue_source.h"

#include <filesystem>
#include <string>
#include <vector>

namespace engine {

// The lines of a readable catalogue file, a CR before each line end dropped; none when the
// file is missing.
std::vector<std::string> readSourceLines(const std::filesystem::path& file);

// Blank lines and "#" comments.
bool isSkippableLine(const std::string& line);

// "shapes, lessons.txt line 3: message"
void addFault(CatalogueSource& source, const std::string& place, const std::string& message);

// "shapes, Page 38 (pages-1.txt line 212): message"
void addPageFault(CatalogueSource& source, const PageSource& page, const std::string& place,
                  const std::string& message);

// The program's name as messages show it.
std::string catalogueName(const CatalogueSource& source);

} // namespace engine
