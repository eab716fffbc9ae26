#include "engine/catalogue/loaded_catalogue.h"

namespace engine {

std::unique_ptr<LoadedCatalogue> loadCatalogueFolder(const std::filesystem::path& folder) {
    auto source = readCatalogueFolder(folder);
    auto loaded = std::make_unique<LoadedCatalogue>();
    loaded->errors = source.errors;
    loaded->content = buildStoredContent(source.pages);
    loaded->catalogue.settings = source.settings;
    loaded->catalogue.lessons = source.lessons;
    for (const auto& page : source.pages)
        loaded->catalogue.pages.push_back(page.entry);
    loaded->catalogue.content = loaded->content;
    return loaded;
}

} // namespace engine
