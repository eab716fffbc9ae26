#pragma once

#include "engine/core/catalogue.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// One Page as its author wrote it: the table entry plus its text and speech lines.
struct PageSource {
    int number = 0;
    PageEntry entry;
    std::array<std::string, 18> lines;  // 1..17 used (Windows-1252)
    std::array<std::string, 11> speech; // 1..10 used
    std::string answer;                 // question Pages only
    std::string origin;                 // "pages-1.txt line 12", for messages
};

// A lesson program's catalogue as read from its folder of readable files.
struct CatalogueSource {
    ProgramSettings settings;
    int declaredPageCount = 0;
    std::vector<LessonEntry> lessons;
    std::vector<PageSource> pages;
    std::vector<std::string> errors; // "shapes, Page 38: ..."; empty when all is well
};

// Reads program.txt, lessons.txt and pages-*.txt (in natural file-name order: pages-2.txt
// before pages-10.txt) of a program folder and checks every reference in them. Every fault
// found is added to `errors`; reading goes on past faults. `startablePrograms` are the names
// (without ".exe") a Page may start; nothing means names are not checked.
CatalogueSource
readCatalogueFolder(const std::filesystem::path& folder,
                    const std::optional<std::vector<std::string>>& startablePrograms = {});

// Natural order of file names: runs of digits compare by their value.
bool naturalLess(const std::string& a, const std::string& b);

// The stored content: per Page its record of zero-terminated texts (17 text lines and 10
// speech lines, or 17 text lines and the answer letter), in Page order. Sets each Page's
// record offset.
std::string buildStoredContent(std::vector<PageSource>& pages);

} // namespace engine
