#pragma once

#include "lesson_program.h"

#include <filesystem>
#include <string>

namespace shapes {

// The geometry tests name the shared test helpers without their namespace.
using namespace lesson_tests;

// The geometry program: lessons/shapes, its pictures' sources and shapes_page_table.txt.
const LessonProgram& program();

// lessons/shapes as the catalogue reader sees it, read once for all tests.
const engine::CatalogueSource& catalogueSource();

// The Page of that number as written in lessons/shapes; nothing when it is missing.
const engine::PageSource* sourcePage(int number);

// The expected Page table (tests/lessons/shapes_page_table.txt), read once.
const PageTable& pageTable();

// The catalogue as the geometry program holds it: the Page and lesson tables and the
// stored content built from lessons/shapes.
const engine::Catalogue& storedCatalogue();

// The SVG source of a picture file a Page names, e.g. pyt5.bmp.
std::filesystem::path pictureSource(const std::string& file);

// The faults of the geometry program: "shapes, Page 38: message".
class Faults : public PageFaults {
  public:
    Faults() : PageFaults("shapes") {}
};

// Calls check(expected, actual) for every Page of the table that lessons/shapes holds, and
// reports the Pages it lacks.
template <typename Check> void forEachPage(Faults& faults, Check check) {
    program().forEachPage(faults, check);
}

} // namespace shapes
