#pragma once

#include "engine/catalogue/catalogue_source.h"
#include "program_tables.h"

#include <filesystem>
#include <string>
#include <vector>

namespace small_programs {

// One of the five smaller lesson programs, read once for all tests: its catalogue folder
// as the catalogue reader sees it, the catalogue the program holds, and its transcription.
struct SmallProgram {
    std::string name;
    engine::CatalogueSource source;
    std::string content; // the stored content that `catalogue` refers to
    engine::Catalogue catalogue;
    ProgramTables tables;

    // The Page of that number as written in lessons/<name>; nothing when it is missing.
    const engine::PageSource* sourcePage(int number) const;
};

// "numbertheory", "ringsfields", "numbersystems", "setsrelations", "vectorlessons".
const std::vector<std::string>& smallProgramNames();

// The program of that name; read on first use and kept.
const SmallProgram& smallProgram(const std::string& name);

// The SVG source of a picture file a Page names, e.g. num1.jpg.
std::filesystem::path pictureSource(const std::string& program, const std::string& file);

// Text line i (1..17) or speech line i (1..10) of a Page, or empty outside that range.
const std::string& textLine(const engine::PageSource& page, int i);
const std::string& speechLine(const engine::PageSource& page, int i);

} // namespace small_programs
