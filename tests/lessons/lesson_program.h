#pragma once

#include "engine/catalogue/catalogue_source.h"
#include "page_faults.h"
#include "page_table.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lesson_tests {

// Where a lesson program's content and its expected Page table lie.
struct ProgramFolders {
    std::string name;                // "shapes"
    std::filesystem::path lessons;   // lessons/shapes
    std::filesystem::path pictures;  // content/pictures/shapes: the pictures' SVG sources
    std::filesystem::path pageTable; // tests/lessons/<program>_page_table.txt
};

// One lesson program as the tests see it, read once: its catalogue folder as the catalogue
// reader sees it, the catalogue the program holds (Page and lesson tables and the stored
// content built from the folder), and its expected Page table.
class LessonProgram {
  public:
    explicit LessonProgram(ProgramFolders folders);
    LessonProgram(const LessonProgram&) = delete; // the catalogue points into the content
    LessonProgram& operator=(const LessonProgram&) = delete;

    const std::string& name() const { return folders_.name; }
    const engine::CatalogueSource& source() const { return source_; }
    const PageTable& table() const { return table_; }
    const engine::Catalogue& catalogue() const { return catalogue_; }

    // The Page of that number as written in the lessons folder; nothing when it is missing.
    const engine::PageSource* sourcePage(int number) const;

    // The SVG source of a picture file a Page names, e.g. pyt5.bmp.
    std::filesystem::path pictureSource(const std::string& file) const;

    // Calls check(expected, actual) for every Page of the table that the folder holds, and
    // reports the Pages it lacks.
    template <typename Check> void forEachPage(PageFaults& faults, Check check) const {
        std::vector<int> missing;
        for (const auto& expected : table_.pages) {
            const engine::PageSource* actual = sourcePage(expected.number);
            if (!actual)
                missing.push_back(expected.number);
            else
                check(expected, *actual);
        }
        faults.addMissing(missing);
    }

  private:
    ProgramFolders folders_;
    engine::CatalogueSource source_;
    std::string content_;
    engine::Catalogue catalogue_;
    PageTable table_;
    std::map<int, const engine::PageSource*> byNumber_;
};

// Text line i (1..17) or speech line i (1..10) of a Page, or empty when the index is outside.
const std::string& textLine(const engine::PageSource& page, int i);
const std::string& speechLine(const engine::PageSource& page, int i);

} // namespace lesson_tests
