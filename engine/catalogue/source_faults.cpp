#include "engine/catalogue/source_faults.h"

#include <fstream>

namespace engine {

std::vector<std::string> readSourceLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool isSkippableLine(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string::npos || line[first] == '#';
}

std::string catalogueName(const CatalogueSource& source) {
    return source.settings.name.empty() ? "catalogue" : source.settings.name;
}

void addFault(CatalogueSource& source, const std::string& place, const std::string& message) {
    source.errors.push_back(catalogueName(source) + ", " + place + ": " + message);
}

void addPageFault(CatalogueSource& source, const PageSource& page, const std::string& place,
                  const std::string& message) {
    source.errors.push_back(catalogueName(source) + ", Page " + std::to_string(page.number) + " (" +
                            place + "): " + message);
}

} // namespace engine
