#pragma once

#include "engine/catalogue/catalogue_source.h"
#include "page_faults.h"

#include <filesystem>
#include <string>
#include <vector>

namespace small_programs {

// The lesson tests' one fault collector: "numbertheory, Page 21: line 7 is ...".
using Faults = lesson_tests::PageFaults;
using lesson_tests::shown;

// One of the smaller lesson programs, read once for all tests: its catalogue folder
// as the catalogue reader sees it and the catalogue the program holds. Its expected Page
// table is checked with every other lesson program's by page_table_test.
struct SmallProgram {
    std::string name;
    engine::CatalogueSource source;
    std::string content; // the stored content that `catalogue` refers to
    engine::Catalogue catalogue;

    // The Page of that number as written in lessons/<name>; nothing when it is missing.
    const engine::PageSource* sourcePage(int number) const;
};

// The lesson programs on the course's program list (cmake/Programs.cmake) other than the
// geometry and probability programs, in its order: "numbertheory", "ringsfields",
// "numbersystems", "setsrelations", "vectorlessons", "fluxions".
const std::vector<std::string>& smallProgramNames();

// The program of that name; read on first use and kept.
const SmallProgram& smallProgram(const std::string& name);

// The SVG source of a picture file a Page names, e.g. num1.jpg.
std::filesystem::path pictureSource(const std::string& program, const std::string& file);

// Text line i (1..17) or speech line i (1..10) of a Page, or empty outside that range.
const std::string& textLine(const engine::PageSource& page, int i);
const std::string& speechLine(const engine::PageSource& page, int i);

} // namespace small_programs
