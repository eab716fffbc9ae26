#pragma once

#include "engine/catalogue/catalogue_source.h"
#include "page_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace shapes {

// lessons/shapes as the catalogue reader sees it, read once for all tests.
const engine::CatalogueSource& catalogueSource();

// The Page of that number as written in lessons/shapes; nothing when it is missing.
const engine::PageSource* sourcePage(int number);

// The transcribed Page table (tests/lessons/shapes_page_table.txt), read once.
const PageTable& pageTable();

// The catalogue as the geometry program holds it: the Page and lesson tables and the
// stored content built from lessons/shapes.
const engine::Catalogue& storedCatalogue();

// The SVG source of a picture file a Page names, e.g. pyt5.bmp.
std::filesystem::path pictureSource(const std::string& file);

// Text line i (1..17) or speech line i (1..10) of a Page, or empty when the index is outside.
const std::string& textLine(const engine::PageSource& page, int i);
const std::string& speechLine(const engine::PageSource& page, int i);

// Every fault a test finds, so one run names all Pages to fix, not just the first.
class Faults {
  public:
    void add(int page, const std::string& message); // "shapes, Page 38: message"
    void add(const std::string& message);           // "shapes: message"
    void addAsIs(const std::string& message);       // a message that names its place itself
    void addMissing(const std::vector<int>& pages); // "shapes, Pages 154-208: missing ..."
    bool empty() const { return messages_.empty(); }
    std::string report() const;

  private:
    std::vector<std::string> messages_;
};

// Calls check(expected, actual) for every Page of the table that lessons/shapes holds, and
// reports the Pages it lacks.
template <typename Check> void forEachPage(Faults& faults, Check check) {
    std::vector<int> missing;
    for (const auto& expected : pageTable().pages) {
        const engine::PageSource* actual = sourcePage(expected.number);
        if (!actual)
            missing.push_back(expected.number);
        else
            check(expected, *actual);
    }
    faults.addMissing(missing);
}

// A text for a message: quoted, so that leading and trailing blanks show.
std::string shown(const std::string& text);

} // namespace shapes
