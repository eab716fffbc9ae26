// Inputs with which the fuzz targets (tests/fuzz) found faults, kept in tests/data/fuzz and
// run through the same checks in the ordinary suite so each fault stays mended.
#include "engine/catalogue/catalogue_source.h"
#include "tests/fuzz/catalogue_input.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> findings(const std::string& prefix) {
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(FUZZ_FINDINGS))
        if (item.path().filename().string().starts_with(prefix))
            files.push_back(item.path());
    return files;
}

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FuzzFindings, ACatalogueIsRefusedOrSurvivesEveryButton) {
    const auto files = findings("catalogue-");
    ASSERT_FALSE(files.empty());
    const fs::path folder =
        fs::temp_directory_path() / ("fuzz-findings-" + std::to_string(::getpid()));
    for (const auto& file : files) {
        fs::create_directories(folder);
        fuzz::writeCatalogueFolder(folder, contentOf(file));
        engine::CatalogueSource source = engine::readCatalogueFolder(folder);
        const std::string content = engine::buildStoredContent(source.pages);
        if (source.errors.empty()) {
            EXPECT_NO_THROW(fuzz::pressEveryButton(fuzz::catalogueOf(source, content)))
                << file.filename() << " passed the reader but ends the lesson program";
        }
        fs::remove_all(folder);
    }
}

} // namespace
